#pragma once
// The XML writer's calendar fields and time-of-day text of a row time. Both
// come from the exact calendar breakdown of the count (never from a floating
// day number), so they agree with the CSV writer's date and time texts.

#include <cstddef>
#include <cstdint>
#include <ctime>

namespace zerb {

struct CalendarDate {
  unsigned month = 1;    // 1-12
  unsigned day = 1;      // 1-31
  unsigned year = 1970;  // 1970-2106
};

// The Gregorian calendar date of a count of seconds since 1970-01-01.
CalendarDate CalendarOf(uint32_t count);

// The count as a struct tm with every field filled from the exact breakdown
// (weekday and day of the year too, tm_isdst 0), for locales whose time
// format also names the day or the date.
std::tm CivilTmOf(uint32_t count);

// The time of day of a count in the current LC_TIME locale's time format
// (strftime "%X"; the C locale gives "HH:MM:SS"). Writes the text and a
// terminator into out, which holds cap chars, and returns the text's length.
// Returns 0, leaving an empty text when cap > 0, if it does not fit.
std::size_t LocalTimeTextTo(char* out, std::size_t cap, uint32_t count);

}  // namespace zerb
