#include "series/LogTime.h"

#include <cstring>

#include "model/DigitPairs.h"

namespace zerb {

thread_local BrokenDownFields BrokenDownTime;

namespace {

constexpr uint32_t SecondsPerDay = 86400;
constexpr uint32_t DaysPerCycle = 4 * 365 + 1;  // 1970 to 1973, leap 1972
constexpr uint32_t LeapDayInCycle = 2 * 365 + 31 + 28;  // 29 Feb, third year
// Day (since 1970-01-01) of 2100-03-01. The four-year rule would count this
// day as 29 Feb 2100; 2100 is no leap year, so from here on the rule is fed
// one day later and lands on the calendar date again.
constexpr uint32_t DayOfMarch2100 = 47541;

// v in decimal without leading zeros; returns the number of digits. Always
// stores 10 chars (a fixed-size copy is cheaper than one of n): out must
// have room for them.
std::size_t PutDecimal(char* out, uint32_t v) {
  // The digits end at index 10; the copy takes 10 chars from the first one.
  char digits[20] = {};
  char* const end = digits + 10;
  char* p = end;
  while (v >= 100) {
    p -= 2;
    PutTwoDigits(p, v % 100);
    v /= 100;
  }
  if (v >= 10) {
    p -= 2;
    PutTwoDigits(p, v);
  } else {
    *--p = static_cast<char>('0' + v);
  }
  std::memcpy(out, p, 10);  // the digits, then zeros
  return static_cast<std::size_t>(end - p);
}

// Month (1-12) of day d (0-364) of a common year. d / 32 is never past the
// month (each month starts at most 31 days after the one before) and at most
// one behind (month m + 2 starts at or after day 32 * (m + 1)).
unsigned MonthOfDay(uint32_t d) {
  unsigned m = d / 32;  // zero-based estimate
  if (d >= MonthStart[m + 1]) ++m;
  return m + 1;
}

std::size_t FormatDate(const BrokenDownFields& t, char* out) {
  PutTwoDigits(out, t.day);
  out[2] = '/';
  PutTwoDigits(out + 3, t.month);
  out[5] = '/';
  PutTwoDigits(out + 6, t.year / 100);
  PutTwoDigits(out + 8, t.year % 100);
  return 10;
}

std::size_t FormatTime(const BrokenDownFields& t, char* out) {
  PutTwoDigits(out, t.hour);
  out[2] = ':';
  PutTwoDigits(out + 3, t.minute);
  out[5] = ':';
  PutTwoDigits(out + 6, t.second);
  return 8;
}

// The shared buffer of SerialText, DateText and TimeText (one per thread).
thread_local std::array<char, LogTimeTextCapacity> TextBuffer{};

std::string_view Publish(std::size_t length) {
  TextBuffer[length] = '\0';
  return {TextBuffer.data(), length};
}

}  // namespace

BrokenDownFields BreakdownOf(uint32_t count) {
  BrokenDownFields t;
  const uint32_t sod = count % SecondsPerDay;
  t.hour = sod / 3600;
  t.minute = sod % 3600 / 60;
  t.second = sod % 60;

  uint32_t days = count / SecondsPerDay;
  if (days >= DayOfMarch2100) ++days;
  const uint32_t cycle = days / DaysPerCycle;
  uint32_t d = days - DaysPerCycle * cycle;
  if (d == LeapDayInCycle) {
    t.day = 29;
    t.month = 2;
    t.year = 1972 + 4 * cycle;
    return t;
  }
  if (d > LeapDayInCycle) --d;
  const uint32_t y = d / 365;
  d -= 365 * y;
  t.year = 1970 + 4 * cycle + y;
  t.month = MonthOfDay(d);
  t.day = d - MonthStart[t.month - 1] + 1;
  return t;
}

void TLogTime::Breakdown() const { BrokenDownTime = BreakdownOf(count_); }

std::size_t TLogTime::SerialTextTo(char* out, char separator) const {
  // 86399 * 10000 fits 32 bits; the fraction is truncated, never rounded up
  // into the next day.
  const uint32_t day = count_ / SecondsPerDay + SerialDayOf1970;
  const uint32_t millionths = count_ % SecondsPerDay * 10000 / 864;
  // The day number has five digits over the whole range (25569 to 75279).
  PutTwoDigits(out, day / 1000);
  PutTwoDigits(out + 2, day / 10 % 100);
  out[4] = static_cast<char>('0' + day % 10);
  std::size_t n = 5;
  out[n++] = separator;
  n += PutDecimal(out + n, millionths);
  std::memcpy(out + n, "E-6", 3);
  return n + 3;
}

std::size_t TLogTime::DateTextTo(char* out) const {
  return FormatDate(BreakdownOf(count_), out);
}

std::size_t TLogTime::TimeTextTo(char* out) const {
  // The time of day alone: no calendar needed.
  BrokenDownFields t;
  const uint32_t sod = count_ % SecondsPerDay;
  t.hour = sod / 3600;
  t.minute = sod % 3600 / 60;
  t.second = sod % 60;
  return FormatTime(t, out);
}

std::size_t TLogTime::IsoTextTo(char* out) const {
  const BrokenDownFields t = BreakdownOf(count_);
  PutTwoDigits(out, t.year / 100);
  PutTwoDigits(out + 2, t.year % 100);
  out[4] = '-';
  PutTwoDigits(out + 5, t.month);
  out[7] = '-';
  PutTwoDigits(out + 8, t.day);
  out[10] = 'T';
  return 11 + FormatTime(t, out + 11);
}

std::string_view TLogTime::SerialText(char separator) const {
  return Publish(SerialTextTo(TextBuffer.data(), separator));
}

std::string_view TLogTime::DateText() const {
  Breakdown();
  return Publish(FormatDate(BrokenDownTime, TextBuffer.data()));
}

std::string_view TLogTime::TimeText() const {
  Breakdown();
  return Publish(FormatTime(BrokenDownTime, TextBuffer.data()));
}

long double TLogTime::ToDateTime() const {
  return static_cast<long double>(count_) / SecondsPerDay + SerialDayOf1970;
}

TLogTime CsvEndTime(TLogTime pcTime, TLogTime lanTime, bool lanBase) {
  return lanBase ? lanTime : pcTime;
}

TLogTime XmlEndTime(TLogTime pcTime, TLogTime lanTime, TLogTime localLanTime,
                    bool lanBase) {
  if (lanBase) return localLanTime;
  return TLogTime(localLanTime.Seconds() + (pcTime.Seconds() - lanTime.Seconds()));
}

TLogTime StartTime(TLogTime endTime, uint16_t interval, uint16_t entryCount) {
  const uint32_t span = uint32_t{interval} * entryCount;
  return TLogTime(endTime.Seconds() - span);
}

}  // namespace zerb
