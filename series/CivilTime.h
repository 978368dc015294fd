#pragma once
// Times as the commands take them (a history export's range, a conversion's
// or a picture's rows): the logger's civil time written
// YYYY-MM-DD[THH:MM[:SS]].

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

// IsoText(time) gives "YYYY-MM-DDTHH:MM:SS" (styles/ZoneClock.h).

}  // namespace zerb
