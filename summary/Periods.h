#pragma once
// The periods a summary folds readings into, on a local clock (seconds
// since 1970-01-01 00:00 of that clock, signed): quarter and half hours and
// hours start on the hour, days at midnight, weeks on Monday (ISO), months
// on their first day.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zerb {

enum class Period : uint8_t { Minutes15, Minutes30, Hour, Day, Week, Month };

struct PeriodName {
  std::string_view name;  // as the options take it: "15min", "1d", ...
  Period period;
};

// Every period with its name, shortest first.
std::span<const PeriodName> PeriodNames();
std::optional<Period> ParsePeriod(std::string_view name);
std::string_view NameOf(Period period);
// "15min, 30min, 1h, 1d, 1w, 1mo": what a usage error offers.
std::string_view AcceptedPeriods();

// Whether the period is a whole number of days (its bounds are midnights).
inline bool IsCalendarPeriod(Period period) { return period >= Period::Day; }
// The length of a period shorter than a day, in seconds (0 for the others).
int64_t FixedLength(Period period);

// The start of the period that holds the local time.
int64_t PeriodStart(Period period, int64_t local);
// The start of the period after the one starting at `start`.
int64_t NextPeriodStart(Period period, int64_t start);

}  // namespace zerb
