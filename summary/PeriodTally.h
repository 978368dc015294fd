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

// The stretch of the logger's clock, end excluded, of the period that holds
// the civil time, on the clock: shorter than a day, a fixed length starting
// where the local clock is on the period's grid (so an hour a change
// repeats is two periods); days and longer from local midnight to local
// midnight. A time the local clock reads oddly (in a skipped hour) still
// lies in its period.
struct PeriodSpan {
  int64_t start = 0, end = 0;
};
PeriodSpan SpanOf(int64_t civil, Period period, PeriodClock& clock);

// Whether `count` valid readings are enough for a period's figures: some,
// and at least `minCoverage` of those the span holds at the interval.
bool Covered(uint64_t count, PeriodSpan span, double minCoverage, uint32_t interval);

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
  using Span = PeriodSpan;
  struct DayMean {
    Span day;
    double sum = 0;
    uint64_t count = 0;
    double total = 0;     // of the period's days with a figure
    uint32_t days = 0;    // those days
  };

  Span PeriodOf(int64_t civil, Period period) { return SpanOf(civil, period, clock_); }
  bool Covers(uint64_t count, Span span) const {
    return Covered(count, span, settings_.minCoverage, settings_.interval);
  }
  void StartPeriod(Span span);
  bool EmitPeriod();
  void CloseDay(DayMean& mean, const DegreeDayColumn& column);

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

// The local days a period spans (1 for a period shorter than a day): a
// period's degree-day figure is the sum of its days' only when each of them
// has one.
uint32_t DaysIn(PeriodSpan span, PeriodClock& clock);

// A period's figures folded elsewhere (a store's query): per channel, and
// per degree-day column the sum of the figures of the period's days that
// have one and how many do.
struct FoldedPeriod {
  std::vector<Figures> channels;
  std::vector<double> degreeDayTotal;
  std::vector<uint32_t> degreeDays;
};

// Periods folded elsewhere, emitted as PeriodTally emits them: every period
// from the one holding `first` to the one holding `last` (row times), each
// with what `folded` gives for the period's start (nothing: no readings),
// `degreeColumns` degree-day figures. False when the emit function stopped.
using FoldedFigures = std::function<const FoldedPeriod*(int64_t start)>;
bool EmitFolded(const TallySettings& settings, std::size_t channels, std::size_t degreeColumns, PeriodClock& clock,
                int64_t first, int64_t last, const FoldedFigures& folded, const PeriodTally::Emit& emit);

// The engineering value of a valid reading.
double ValueOf(const Reading& reading);

}  // namespace zerb
