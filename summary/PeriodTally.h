#pragma once
// Readings folded into periods: rows go in oldest first, and each period
// comes out whole, with every period between the first row's and the
// last's (a period without a row has no readings, never zeros). A reading
// belongs to the period that holds its time.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "series/Series.h"
#include "summary/Figures.h"
#include "summary/PeriodClock.h"
#include "summary/Periods.h"

namespace zerb {

// A degree-day figure to make from a temperature channel.
struct DegreeDayColumn {
  std::size_t channel = 0;  // column of the series
  double base = 0;          // °C
  bool cooling = false;
  bool fahrenheit = false;  // the channel's values are °F
};

struct PeriodRow {
  int64_t start = 0, end = 0;  // the logger's civil times, end excluded
  double expected = 0;         // readings the period holds at the interval
  std::span<const Figures> channels;
  std::span<const uint8_t> covered;  // per channel, 1: enough valid readings for figures
  // Per degree-day column: the sum over the period's days, when every one
  // of them has its figure; and the days that have one.
  std::span<const std::optional<double>> degreeDays;
  std::span<const uint32_t> degreeDayCount;
};

struct TallySettings {
  Period period = Period::Day;
  double minCoverage = 0;
  uint32_t interval = 1;  // seconds between readings
};

class PeriodTally {
 public:
  // Called with each whole period; false stops the tally.
  using Emit = std::function<bool(const PeriodRow&)>;

  PeriodTally(const TallySettings& settings, std::span<const SeriesChannel> channels,
              std::vector<DegreeDayColumn> degreeDays, PeriodClock& clock, Emit emit);

  // A row at the logger's civil time, after every row before it. False
  // once the emit function stopped the tally.
  bool Add(int64_t civil, std::span<const Reading> readings);
  // Emits the last period. False when the emit function stopped the tally.
  bool Finish();

 private:
  struct Span {
    int64_t start = 0, end = 0;
  };
  struct DayMean {
    Span day;
    double sum = 0;
    uint64_t count = 0;
    double total = 0;     // of the period's days with a figure
    uint32_t days = 0;    // those days
  };

  Span PeriodOf(int64_t civil, Period period);
  bool Covers(uint64_t count, Span span) const;
  void StartPeriod(Span span);
  bool EmitPeriod();
  void CloseDay(DayMean& mean, const DegreeDayColumn& column);
  uint32_t DaysIn(Span span);

  TallySettings settings_;
  std::vector<bool> onOff_;
  std::vector<DegreeDayColumn> degreeColumns_;
  PeriodClock& clock_;
  Emit emit_;

  std::optional<Span> current_;
  std::vector<FigureTally> tallies_;
  std::vector<std::optional<double>> lastValid_;  // per channel, before the period
  std::vector<Figures> figures_;
  std::vector<uint8_t> covered_;
  std::vector<DayMean> means_;
  std::vector<std::optional<double>> degreeDays_;
  std::vector<uint32_t> degreeDayCount_;
  bool stopped_ = false;
};

// The engineering value of a valid reading.
double ValueOf(const Reading& reading);

}  // namespace zerb
