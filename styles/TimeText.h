#pragma once
// Fixed-width texts of clock readings for the ISO and excel time forms.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/DigitPairs.h"

namespace zerb {

inline constexpr std::size_t DateTextSize = 10;      // YYYY-MM-DD
inline constexpr std::size_t DateTimeTextSize = 19;  // YYYY-MM-DD?hh:mm:ss
inline constexpr std::size_t OffsetTextSize = 6;     // +HH:MM

// Days since 1970-01-01 (negative before it) of seconds since then.
inline int64_t DayOf(int64_t seconds) { return (seconds >= 0 ? seconds : seconds - 86399) / 86400; }

// "YYYY-MM-DD" of a day since 1970-01-01 (Gregorian, years 0000-9999).
void PutDate(char* out, int64_t day);
// "hh:mm:" of each minute of a day, padded to 8 chars: a row's time of day
// is one copy and two digits (a time text on every row adds up).
inline constexpr std::array<char, 1440 * 8> MinuteTexts = [] {
  std::array<char, 1440 * 8> t{};
  for (unsigned m = 0; m < 1440; ++m) {
    const char text[8] = {char('0' + m / 600), char('0' + m / 60 % 10), ':', char('0' + m % 60 / 10),
                          char('0' + m % 10), ':', '0', '0'};
    for (unsigned k = 0; k < 8; ++k) t[8 * m + k] = text[k];
  }
  return t;
}();

// "hh:mm:ss" of the second of the day, which must be 0-86399.
inline void PutTimeOfDay(char* out, uint32_t secondOfDay) {
  const uint32_t minute = secondOfDay / 60;
  std::memcpy(out, &MinuteTexts[8 * minute], 8);
  PutTwoDigits(out + 6, secondOfDay - minute * 60);
}
// The date, the separator ('T' or ' '), the time of day.
void PutDateTime(char* out, int64_t seconds, char between);
// "+HH:MM" / "-HH:MM"; the minutes of an offset in seconds, truncated
// (hours above 99 written as 99).
void PutOffset(char* out, int32_t offset);

}  // namespace zerb
