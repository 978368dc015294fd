#pragma once
// The ticks of a plot's axes. Values get round ticks (1, 2 or 5 times a
// power of ten) over a range widened to whole steps; times get ticks at
// round clock readings (seconds, minutes, hours, midnights, Mondays, month
// and year starts) at the smallest step that keeps them apart.

#include <cstdint>
#include <vector>

#include "chart/PlotClock.h"

namespace zerb {

struct ValueScale {
  double low = 0, high = 1;   // the axis: whole steps around the values
  double step = 1;
  int decimals = 0;           // decimal places a tick label needs
  std::vector<double> ticks;  // low, low + step, ..., high
};

// The axis for values from `low` to `high` with at most maxTicks steps;
// one value gets a step around it, none (NaN) the range 0 to 1.
ValueScale ValueScaleFor(double low, double high, int maxTicks);

enum class TimeUnit : uint8_t { Second, Minute, Hour, Day, Week, Month, Year };

struct TimeStep {
  TimeUnit unit = TimeUnit::Hour;
  int count = 1;
  friend bool operator==(TimeStep, TimeStep) = default;
};

struct TimeTick {
  double at;      // plot time (the logger's civil seconds)
  int64_t shown;  // the clock's reading there
};

struct TimeScale {
  TimeStep step;
  std::vector<TimeTick> ticks;  // in time order, all within the range
};

// Ticks from `from` to `to` (plot times) at the smallest step that gives
// at most maxTicks of them, on round readings of the clock.
TimeScale TimeScaleFor(double from, double to, int maxTicks, const PlotClock& clock);

// Days since 1970-01-01 of a reading (negative before it), and the
// reading's second of that day.
int64_t DayOfReading(int64_t shown);
inline int64_t SecondOfDay(int64_t shown) { return shown - DayOfReading(shown) * 86400; }

}  // namespace zerb
