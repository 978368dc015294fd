#include "styles/TimeText.h"

#include <array>
#include <cstring>

#include "model/DigitPairs.h"

namespace zerb {

namespace {

struct CivilDate {
  int64_t year;
  unsigned month, day;
};

// The proleptic Gregorian date of a day count (days since 1970-01-01), by
// eras of 400 years (146097 days) counted from 0000-03-01.
CivilDate CivilOf(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned mp = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

void PutDate(char* out, int64_t day) {
  const CivilDate d = CivilOf(day);
  const auto year = static_cast<unsigned>(d.year < 0 ? 0 : d.year > 9999 ? 9999 : d.year);
  PutTwoDigits(out, year / 100);
  PutTwoDigits(out + 2, year % 100);
  out[4] = '-';
  PutTwoDigits(out + 5, d.month);
  out[7] = '-';
  PutTwoDigits(out + 8, d.day);
}

void PutDateTime(char* out, int64_t seconds, char between) {
  const int64_t day = DayOf(seconds);
  PutDate(out, day);
  out[DateTextSize] = between;
  PutTimeOfDay(out + DateTextSize + 1, static_cast<uint32_t>(seconds - day * 86400));
}

void PutOffset(char* out, int32_t offset) {
  out[0] = offset < 0 ? '-' : '+';
  const auto minutes = static_cast<unsigned>((offset < 0 ? -int64_t{offset} : offset) / 60);
  PutTwoDigits(out + 1, minutes / 60 > 99 ? 99 : minutes / 60);  // no zone is that far off
  out[3] = ':';
  PutTwoDigits(out + 4, minutes % 60);
}

}  // namespace zerb
