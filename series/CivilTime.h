#pragma once
// Times as the commands take them (a history export's range, a conversion's
// or a picture's rows): the logger's civil time written
// YYYY-MM-DD[THH:MM[:SS]], a space or the T between date and time (the
// space as spreadsheets and the excel style write times).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zerb {

// The count of seconds of the text, or nothing when it is not a valid time
// of 1970-01-01T00:00:00 to 2106-02-07T06:28:15. A time without seconds or
// a date alone stands for its whole minute or day: its first second, or its
// last when rangeEnd (so a range "to 2026-03-01" includes that day).
std::optional<uint32_t> ParseCivilTime(std::string_view text, bool rangeEnd);

// A range of rows or of a picture from the texts of --from and --to (null:
// not given): "" with first and last set for those given, or the sentence
// saying what is wrong (a text that is not a time, or from after to).
std::string ParseCivilRange(const std::string* from, const std::string* to, std::optional<uint32_t>& first,
                            std::optional<uint32_t>& last);

// IsoText(time) gives "YYYY-MM-DDTHH:MM:SS" (styles/ZoneClock.h).

}  // namespace zerb
