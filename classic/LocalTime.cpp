#include "classic/LocalTime.h"

#include <ctime>

#include "series/LogTime.h"

namespace zerb {

namespace {

constexpr uint32_t SecondsPerDay = 86400;
constexpr int Thursday = 4;  // 1970-01-01

bool IsLeapYear(unsigned year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

}  // namespace

std::tm CivilTmOf(uint32_t count) {
  const BrokenDownFields t = BreakdownOf(count);
  std::tm tm{};
  tm.tm_sec = static_cast<int>(t.second);
  tm.tm_min = static_cast<int>(t.minute);
  tm.tm_hour = static_cast<int>(t.hour);
  tm.tm_mday = static_cast<int>(t.day);
  tm.tm_mon = static_cast<int>(t.month) - 1;
  tm.tm_year = static_cast<int>(t.year) - 1900;
  tm.tm_wday = static_cast<int>((count / SecondsPerDay + Thursday) % 7);
  const bool afterLeapDay = t.month > 2 && IsLeapYear(t.year);
  tm.tm_yday = static_cast<int>(MonthStart[t.month - 1] + t.day - 1 + (afterLeapDay ? 1 : 0));
  tm.tm_isdst = 0;  // counts are civil time as the clock showed it
  return tm;
}

CalendarDate CalendarOf(uint32_t count) {
  const BrokenDownFields t = BreakdownOf(count);
  return {t.month, t.day, t.year};
}

std::size_t LocalTimeTextTo(char* out, std::size_t cap, uint32_t count) {
  if (cap == 0) return 0;
  const std::tm tm = CivilTmOf(count);
  const std::size_t n = std::strftime(out, cap, "%X", &tm);
  if (n == 0) out[0] = '\0';  // strftime leaves the buffer undefined then
  return n;
}

}  // namespace zerb
