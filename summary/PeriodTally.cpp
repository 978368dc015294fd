#include "summary/PeriodTally.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zerb {

double ValueOf(const Reading& reading) {
  static constexpr std::array<double, 9> Scale = {1e-4, 1e-3, 1e-2, 1e-1, 1, 1e1, 1e2, 1e3, 1e4};
  const int e = reading.exponent;
  const double scale = e >= -4 && e <= 4 ? Scale[static_cast<std::size_t>(e + 4)] : std::pow(10.0, e);
  return double(reading.value) * scale;
}

PeriodTally::PeriodTally(const TallySettings& settings, std::span<const SeriesChannel> channels,
                         std::vector<DegreeDayColumn> degreeDays, PeriodClock& clock, Emit emit)
    : settings_(settings),
      degreeColumns_(std::move(degreeDays)),
      clock_(clock),
      emit_(std::move(emit)),
      lastValid_(channels.size()),
      means_(degreeColumns_.size()),
      degreeDays_(degreeColumns_.size()),
      degreeDayCount_(degreeColumns_.size()) {
  if (settings_.interval == 0) settings_.interval = 1;
  for (const SeriesChannel& channel : channels) onOff_.push_back(channel.digital);
}

PeriodSpan SpanOf(int64_t civil, Period period, PeriodClock& clock) {
  const int64_t local = clock.LocalOf(civil);
  const int64_t start = PeriodStart(period, local);
  PeriodSpan span;
  if (const int64_t length = FixedLength(period); length > 0) {
    span = {civil - (local - start), civil - (local - start) + length};
  } else {
    span = {clock.CivilOf(start), clock.CivilOf(NextPeriodStart(period, start))};
  }
  span.start = std::min(span.start, civil);
  span.end = std::max(span.end, civil + 1);
  return span;
}

bool Covered(uint64_t count, PeriodSpan span, double minCoverage, uint32_t interval) {
  const double expected = double(span.end - span.start) / (interval == 0 ? 1 : interval);
  return count > 0 && double(count) >= minCoverage * expected;
}

bool EmitFolded(const TallySettings& settings, std::size_t channels, std::size_t degreeColumns, PeriodClock& clock,
                int64_t first, int64_t last, const FoldedFigures& folded, const PeriodTally::Emit& emit) {
  const uint32_t interval = settings.interval == 0 ? 1 : settings.interval;
  std::vector<Figures> shown(channels);
  std::vector<uint8_t> covered(channels);
  std::vector<std::optional<double>> degree(degreeColumns);
  std::vector<uint32_t> degreeCount(degreeColumns);
  for (PeriodSpan span = SpanOf(first, settings.period, clock);; span = SpanOf(span.end, settings.period, clock)) {
    const FoldedPeriod* found = folded(span.start);
    for (std::size_t c = 0; c < channels; ++c) {
      shown[c] = found && c < found->channels.size() ? found->channels[c] : Figures{};
      covered[c] = Covered(shown[c].count, span, settings.minCoverage, interval) ? 1 : 0;
    }
    const uint32_t days = degreeColumns == 0 ? 0 : DaysIn(span, clock);
    for (std::size_t k = 0; k < degreeColumns; ++k) {
      const bool has = found && k < found->degreeDays.size() && k < found->degreeDayTotal.size();
      degreeCount[k] = has ? found->degreeDays[k] : 0;
      degree[k] = has && degreeCount[k] == days ? std::optional<double>(found->degreeDayTotal[k]) : std::nullopt;
    }
    PeriodRow row;
    row.start = span.start;
    row.end = span.end;
    row.expected = double(span.end - span.start) / interval;
    row.channels = shown;
    row.covered = covered;
    row.degreeDays = degree;
    row.degreeDayCount = degreeCount;
    if (!emit(row)) return false;
    if (last < span.end) return true;
  }
}

uint32_t DaysIn(PeriodSpan span, PeriodClock& clock) {
  const int64_t first = PeriodStart(Period::Day, clock.LocalOf(span.start));
  const int64_t last = PeriodStart(Period::Day, clock.LocalOf(span.end - 1));
  return static_cast<uint32_t>((last - first) / 86400 + 1);
}

void PeriodTally::StartPeriod(Span span) {
  current_ = span;
  tallies_.clear();
  for (std::size_t i = 0; i < onOff_.size(); ++i) {
    tallies_.emplace_back(onOff_[i]);
    if (lastValid_[i]) tallies_.back().Before(*lastValid_[i]);
  }
  for (DayMean& mean : means_) mean = DayMean{};
}

void PeriodTally::CloseDay(DayMean& mean, const DegreeDayColumn& column) {
  if (Covers(mean.count, mean.day)) {
    double celsius = mean.sum / double(mean.count);
    if (column.fahrenheit) celsius = (celsius - 32.0) * 5.0 / 9.0;
    mean.total += std::max(0.0, column.cooling ? celsius - column.base : column.base - celsius);
    ++mean.days;
  }
  mean.day = {};
  mean.sum = 0;
  mean.count = 0;
}

bool PeriodTally::EmitPeriod() {
  figures_.clear();
  covered_.clear();
  for (const FigureTally& tally : tallies_) {
    figures_.push_back(tally.Result());
    covered_.push_back(Covers(figures_.back().count, *current_) ? 1 : 0);
  }
  const uint32_t days = degreeColumns_.empty() ? 0 : DaysIn(*current_, clock_);
  for (std::size_t k = 0; k < degreeColumns_.size(); ++k) {
    CloseDay(means_[k], degreeColumns_[k]);
    degreeDayCount_[k] = means_[k].days;
    degreeDays_[k] = means_[k].days == days ? std::optional<double>(means_[k].total) : std::nullopt;
  }
  PeriodRow row;
  row.start = current_->start;
  row.end = current_->end;
  row.expected = double(row.end - row.start) / settings_.interval;
  row.channels = figures_;
  row.covered = covered_;
  row.degreeDays = degreeDays_;
  row.degreeDayCount = degreeDayCount_;
  if (!emit_(row)) stopped_ = true;
  return !stopped_;
}

bool PeriodTally::Add(int64_t civil, std::span<const Reading> readings) {
  if (stopped_) return false;
  if (!current_) StartPeriod(PeriodOf(civil, settings_.period));
  // Every period up to the row's, the empty ones too.
  while (civil >= current_->end) {
    if (!EmitPeriod()) return false;
    StartPeriod(PeriodOf(current_->end, settings_.period));
  }
  for (std::size_t i = 0; i < readings.size() && i < tallies_.size(); ++i) {
    const Reading& r = readings[i];
    if (!r.present || !r.valid) continue;
    const double value = ValueOf(r);
    tallies_[i].Add(value);
    lastValid_[i] = value;
  }
  for (std::size_t k = 0; k < degreeColumns_.size(); ++k) {
    const std::size_t c = degreeColumns_[k].channel;
    if (c >= readings.size() || !readings[c].present || !readings[c].valid) continue;
    DayMean& mean = means_[k];
    if (civil >= mean.day.end) {
      CloseDay(mean, degreeColumns_[k]);
      mean.day = PeriodOf(civil, Period::Day);
    }
    mean.sum += ValueOf(readings[c]);
    ++mean.count;
  }
  return true;
}

bool PeriodTally::Finish() {
  if (stopped_) return false;
  return !current_ || EmitPeriod();
}

}  // namespace zerb
