#include "chart/Ticks.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>

namespace zerb {

namespace {

// Whole steps, so ticks add up exactly whatever the step's binary form.
double NiceStep(double raw) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double normal = raw / magnitude;
  return (normal <= 1 ? 1 : normal <= 2 ? 2 : normal <= 5 ? 5 : 10) * magnitude;
}

struct StepRow {
  TimeStep step;
  double seconds;  // about (months and years vary)
};

constexpr double Day = 86400;
constexpr StepRow Steps[] = {
    {{TimeUnit::Second, 1}, 1},      {{TimeUnit::Second, 2}, 2},         {{TimeUnit::Second, 5}, 5},
    {{TimeUnit::Second, 10}, 10},    {{TimeUnit::Second, 15}, 15},       {{TimeUnit::Second, 30}, 30},
    {{TimeUnit::Minute, 1}, 60},     {{TimeUnit::Minute, 2}, 120},       {{TimeUnit::Minute, 5}, 300},
    {{TimeUnit::Minute, 10}, 600},   {{TimeUnit::Minute, 15}, 900},      {{TimeUnit::Minute, 30}, 1800},
    {{TimeUnit::Hour, 1}, 3600},     {{TimeUnit::Hour, 2}, 7200},        {{TimeUnit::Hour, 3}, 10800},
    {{TimeUnit::Hour, 6}, 21600},    {{TimeUnit::Hour, 12}, 43200},      {{TimeUnit::Day, 1}, Day},
    {{TimeUnit::Day, 2}, 2 * Day},   {{TimeUnit::Week, 1}, 7 * Day},     {{TimeUnit::Month, 1}, 30.44 * Day},
    {{TimeUnit::Month, 3}, 91.3 * Day}, {{TimeUnit::Month, 6}, 182.6 * Day}, {{TimeUnit::Year, 1}, 365.25 * Day},
    {{TimeUnit::Year, 2}, 730.5 * Day}, {{TimeUnit::Year, 5}, 1826 * Day}, {{TimeUnit::Year, 10}, 3652 * Day},
    {{TimeUnit::Year, 20}, 7305 * Day}, {{TimeUnit::Year, 50}, 18262 * Day}, {{TimeUnit::Year, 100}, 36525 * Day},
};

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Readings on the step's round values from `first` to `last`, in order.
std::vector<int64_t> RoundReadings(TimeStep step, int64_t first, int64_t last) {
  std::vector<int64_t> readings;
  constexpr std::size_t Most = 4096;
  int64_t length = 0, origin = 0;
  switch (step.unit) {
    case TimeUnit::Second: length = 1; break;
    case TimeUnit::Minute: length = 60; break;
    case TimeUnit::Hour: length = 3600; break;
    case TimeUnit::Day: length = 86400; break;
    case TimeUnit::Week: length = 7 * 86400, origin = 4 * 86400; break;  // 1970-01-05 was a Monday
    case TimeUnit::Month:
    case TimeUnit::Year: break;
  }
  if (length > 0) {
    length *= step.count;
    for (int64_t t = FloorDiv(first - origin + length - 1, length) * length + origin; t <= last && readings.size() < Most;
         t += length)
      readings.push_back(t);
    return readings;
  }
  // Months counted from year 0, so quarters and halves start in January.
  using namespace std::chrono;
  const int months = step.unit == TimeUnit::Year ? 12 * step.count : step.count;
  const year_month_day start{sys_days{days{DayOfReading(first)}}};
  int64_t index = int64_t{int(start.year())} * 12 + unsigned(start.month()) - 1;
  index = FloorDiv(index + months - 1, months) * months;
  for (; readings.size() < Most; index += months) {
    const year_month_day date{year{int(FloorDiv(index, 12))}, month{unsigned(index - FloorDiv(index, 12) * 12 + 1)},
                              day{1}};
    const int64_t t = int64_t{sys_days{date}.time_since_epoch().count()} * 86400;
    if (t < first) continue;
    if (t > last) break;
    readings.push_back(t);
  }
  return readings;
}

}  // namespace

ValueScale ValueScaleFor(double low, double high, int maxTicks) {
  ValueScale scale;
  if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high)) low = 0, high = 1;
  if (high == low) {
    const double pad = std::max(std::abs(low) * 0.05, 0.5);
    low -= pad, high += pad;
  }
  scale.step = NiceStep((high - low) / std::max(1, maxTicks));
  const double first = std::floor(low / scale.step + 1e-9), last = std::ceil(high / scale.step - 1e-9);
  scale.low = first * scale.step;
  scale.high = last * scale.step;
  for (double k = first; k <= last; ++k) scale.ticks.push_back(k * scale.step);
  scale.decimals = std::max(0, int(-std::floor(std::log10(scale.step) + 1e-9)));
  return scale;
}

int64_t DayOfReading(int64_t shown) { return FloorDiv(shown, 86400); }

TimeScale TimeScaleFor(double from, double to, int maxTicks, const PlotClock& clock) {
  TimeScale scale;
  if (!(to > from)) return scale;
  const double span = to - from;
  const StepRow* row = std::find_if(std::begin(Steps), std::end(Steps),
                                    [&](const StepRow& r) { return r.seconds * std::max(1, maxTicks) >= span; });
  if (row == std::end(Steps)) row = std::prev(std::end(Steps));
  scale.step = row->step;
  const int64_t first = clock.Shown(int64_t(std::floor(from))), last = clock.Shown(int64_t(std::ceil(to)));
  for (const int64_t shown : RoundReadings(scale.step, std::min(first, last), std::max(first, last))) {
    const std::optional<int64_t> at = clock.PlotTimeOf(shown);
    if (at && double(*at) >= from && double(*at) <= to) scale.ticks.push_back({double(*at), shown});
  }
  std::sort(scale.ticks.begin(), scale.ticks.end(), [](const TimeTick& a, const TimeTick& b) { return a.at < b.at; });
  return scale;
}

}  // namespace zerb
