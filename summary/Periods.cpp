#include "summary/Periods.h"

#include <array>

namespace zerb {

namespace {

constexpr std::array<PeriodName, 6> Names = {{{"15min", Period::Minutes15},
                                              {"30min", Period::Minutes30},
                                              {"1h", Period::Hour},
                                              {"1d", Period::Day},
                                              {"1w", Period::Week},
                                              {"1mo", Period::Month}}};

constexpr int64_t DaySeconds = 86400;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// Civil dates and day numbers since 1970-01-01 (proleptic Gregorian), by
// eras of 400 years so that no loop runs over the years.
struct Date {
  int64_t year;
  unsigned month;  // 1-12
};

Date DateOf(int64_t day) {
  const int64_t z = day + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  return {int64_t{yoe} + era * 400 + (month <= 2 ? 1 : 0), month};
}

int64_t FirstDayOf(Date date) {
  const int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + int64_t{doe} - 719468;
}

}  // namespace

std::span<const PeriodName> PeriodNames() { return Names; }

std::optional<Period> ParsePeriod(std::string_view name) {
  for (const PeriodName& row : Names)
    if (row.name == name) return row.period;
  return std::nullopt;
}

std::string_view NameOf(Period period) {
  for (const PeriodName& row : Names)
    if (row.period == period) return row.name;
  return {};
}

std::string_view AcceptedPeriods() { return "15min, 30min, 1h, 1d, 1w, 1mo"; }

int64_t FixedLength(Period period) {
  switch (period) {
    case Period::Minutes15: return 900;
    case Period::Minutes30: return 1800;
    case Period::Hour: return 3600;
    default: return 0;
  }
}

int64_t PeriodStart(Period period, int64_t local) {
  if (const int64_t length = FixedLength(period); length > 0) return FloorDiv(local, length) * length;
  const int64_t day = FloorDiv(local, DaySeconds);
  switch (period) {
    case Period::Week: return (day - (day + 3 - FloorDiv(day + 3, 7) * 7)) * DaySeconds;  // 1970-01-01 was a Thursday
    case Period::Month: return FirstDayOf({DateOf(day).year, DateOf(day).month}) * DaySeconds;
    default: return day * DaySeconds;
  }
}

int64_t NextPeriodStart(Period period, int64_t start) {
  if (const int64_t length = FixedLength(period); length > 0) return start + length;
  switch (period) {
    case Period::Week: return start + 7 * DaySeconds;
    case Period::Month: {
      const Date date = DateOf(FloorDiv(start, DaySeconds));
      const Date next = date.month == 12 ? Date{date.year + 1, 1} : Date{date.year, date.month + 1};
      return FirstDayOf(next) * DaySeconds;
    }
    default: return start + DaySeconds;
  }
}

}  // namespace zerb
