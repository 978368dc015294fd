#pragma once
// Fixed-width texts of clock readings for the ISO and excel time forms.

#include <cstddef>
#include <cstdint>

namespace zerb {

inline constexpr std::size_t DateTextSize = 10;      // YYYY-MM-DD
inline constexpr std::size_t DateTimeTextSize = 19;  // YYYY-MM-DD?hh:mm:ss
inline constexpr std::size_t OffsetTextSize = 6;     // +HH:MM

// Days since 1970-01-01 (negative before it) of seconds since then.
inline int64_t DayOf(int64_t seconds) { return (seconds >= 0 ? seconds : seconds - 86399) / 86400; }

// "YYYY-MM-DD" of a day since 1970-01-01 (Gregorian, years 0000-9999).
void PutDate(char* out, int64_t day);
// "hh:mm:ss" of the second of the day, which must be 0-86399.
void PutTimeOfDay(char* out, uint32_t secondOfDay);
// The date, the separator ('T' or ' '), the time of day.
void PutDateTime(char* out, int64_t seconds, char between);
// "+HH:MM" / "-HH:MM"; the minutes of an offset in seconds, truncated
// (hours above 99 written as 99).
void PutOffset(char* out, int32_t offset);

}  // namespace zerb
