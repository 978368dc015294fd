#include "styles/SummaryColumns.h"

#include <algorithm>
#include <map>

#include "styles/ChannelChoice.h"
#include "styles/SeriesClock.h"
#include "styles/TableText.h"
#include "styles/UnitText.h"

namespace zerb {

namespace {

// Periods aligned on the zone's own clock (never UTC), as a PeriodClock.
class AlignClock final : public PeriodClock {
 public:
  explicit AlignClock(ZoneClock& clock) : clock_(clock) {}
  int64_t LocalOf(int64_t civil) override { return clock_.At(static_cast<uint32_t>(civil)).seconds; }
  int64_t CivilOf(int64_t local) override { return clock_.CivilOf(local); }

 private:
  ZoneClock& clock_;
};

// The shortest step between rows: the interval of a series that does not say.
uint32_t ShortestStep(Series& series) {
  std::optional<uint32_t> last;
  uint32_t step = 0;
  series.ForEachRow([&](uint32_t time, std::span<const Reading>) {
    if (last && time > *last && (step == 0 || time - *last < step)) step = time - *last;
    last = time;
    return true;
  });
  return step == 0 ? 1 : step;
}

bool IsTemperature(const SeriesChannel& channel, bool& fahrenheit) {
  const std::string_view unit = UnitText(channel.unitsLetter, channel.typeName);
  fahrenheit = unit == "°F";
  return fahrenheit || unit == "°C";
}

// The one line of a degree-day channel that is not a temperature: what it
// is and what the option takes.
std::string NotTemperatureLine(const DegreeDayRequest& request, const SeriesChannel& channel) {
  const char* option = request.cooling ? "--cooling-degree-days" : "--degree-days";
  const std::string_view unit = UnitText(channel.unitsLetter, channel.typeName);
  const char* kind = channel.kind == ChannelKind::Sensor ? "a sensor" : channel.kind == ChannelKind::Output ? "an output"
                                                                                                           : "an ASM";
  return std::string(option) + " " + request.channel + ": " + ChannelId(channel) + " is " + kind + " of type " +
         channel.typeName + (unit.empty() ? " without a unit" : " in " + std::string(unit)) + ", not a temperature; " +
         option + " takes CHANNEL[:BASE] of a channel in °C or °F";
}

}  // namespace

std::string DegreeDayTypeProblem(std::span<const SeriesChannel> channels, const SummaryRequest& asked) {
  for (const DegreeDayRequest& request : asked.degreeDays) {
    const ChannelChoice choice = ChooseChannels(channels, request.channel);
    bool fahrenheit = false;
    if (choice.problem.empty() && choice.columns.size() == 1 &&
        !IsTemperature(channels[choice.columns.front()], fahrenheit))
      return NotTemperatureLine(request, channels[choice.columns.front()]);
  }
  return {};
}

std::string DegreeDayColumns(std::span<const SeriesChannel> channels, const SummaryRequest& asked,
                             std::vector<DegreeDayColumn>& columns) {
  for (const DegreeDayRequest& request : asked.degreeDays) {
    const char* option = request.cooling ? "--cooling-degree-days" : "--degree-days";
    const ChannelChoice choice = ChooseChannels(channels, request.channel);
    if (!choice.problem.empty()) return std::string(option) + ": " + choice.problem;
    if (choice.columns.size() != 1) return std::string(option) + " takes one channel, not '" + request.channel + "'";
    DegreeDayColumn column{choice.columns.front(), request.base, request.cooling, false};
    if (!IsTemperature(channels[column.channel], column.fahrenheit))
      return NotTemperatureLine(request, channels[column.channel]);
    columns.push_back(column);
  }
  return {};
}

SummaryColumns::SummaryColumns(std::span<const SeriesChannel> channels, const SummaryRequest& asked,
                               std::vector<DegreeDayColumn> degree, uint32_t interval)
    : channels_(channels), degree_(std::move(degree)), interval_(interval) {
  for (std::size_t c = 0; c < channels.size(); ++c)
    for (const Stat stat : StatsFor(channels[c].digital, asked.stats)) columns_.push_back({c, stat, -1});
  for (std::size_t k = 0; k < degree_.size(); ++k) columns_.push_back({degree_[k].channel, Stat::Count, int(k)});
}

std::string_view SummaryColumns::StatName(const SummaryColumn& column) const {
  return column.degreeDay >= 0 ? DegreeDayStat(degree_[std::size_t(column.degreeDay)].cooling)
                               : InfoOf(column.stat).name;
}

std::optional<double> SummaryColumns::Value(const SummaryColumn& column, const PeriodRow& row) const {
  if (column.degreeDay >= 0) return row.degreeDays[std::size_t(column.degreeDay)];
  if (row.covered[column.channel] == 0 && column.stat != Stat::Count) return std::nullopt;
  return InfoOf(column.stat).value(row.channels[column.channel], interval_);
}

int SummaryColumns::Decimals(const SummaryColumn& column) const {
  if (column.degreeDay >= 0) return 2;
  const int own = std::max(0, -channels_[column.channel].exponent);
  switch (InfoOf(column.stat).digits) {
    case StatDigits::Channel: return own;
    case StatDigits::ChannelMore: return own + 2;
    case StatDigits::Hours: return 4;
    case StatDigits::Whole: return 0;
  }
  return 0;
}

uint64_t SummaryColumns::Count(const SummaryColumn& column, const PeriodRow& row) const {
  return column.degreeDay >= 0 ? row.degreeDayCount[std::size_t(column.degreeDay)] : row.channels[column.channel].count;
}

SummaryColumns::ValueUnit SummaryColumns::UnitKind(const SummaryColumn& column) const {
  if (column.degreeDay >= 0) return ValueUnit::KelvinDays;
  if (column.stat == Stat::On) return ValueUnit::Hours;
  if (InfoOf(column.stat).digits == StatDigits::Whole) return ValueUnit::None;
  return ValueUnit::Channel;
}

namespace {

TableResult WalkFolded(std::span<const SeriesChannel> channels, const TableSettings& settings,
                       const SummaryRequest& asked, std::vector<DegreeDayColumn> degree, bool zoned,
                       const SummaryStart& start, const SummaryPeriod& period, const FoldedSummary& folded) {
  TableResult result;
  ZoneClock shown(zoned ? settings.zone : TimeZoneSetting{});
  TimeZoneSetting local = settings.zone;
  local.utc = false;
  ZoneClock aligned(zoned ? local : TimeZoneSetting{});
  if (!shown.Error().empty()) return {-1, 0, {}, {}, {}, shown.Error()};
  // As a walk places them: the newest row time first (its note), then each
  // row's own anchor.
  if (shown.NeedsAnchor() && !folded.empty) {
    shown.Anchor(static_cast<uint32_t>(folded.last));
    result.anchorNote = shown.AnchorNote();
    shown.Anchor(folded.anchor);
  }
  if (aligned.NeedsAnchor()) aligned.Anchor(folded.anchor);
  const std::size_t degreeColumns = degree.size();
  const SummaryColumns columns(channels, asked, std::move(degree), folded.interval);
  if (!start(shown, columns)) return {-1, 0, {}, {}, {}, {}};
  if (folded.empty) return result;
  AlignClock clock(aligned);
  std::map<int64_t, const FoldedPeriod*> byStart;
  for (const auto& [key, figures] : folded.periods)
    byStart[folded.localKeys ? clock.CivilOf(key) : key] = &figures;
  const FoldedFigures figuresAt = [&](int64_t begin) -> const FoldedPeriod* {
    const auto found = byStart.find(begin);
    return found == byStart.end() ? nullptr : found->second;
  };
  const TallySettings tally{asked.every, asked.minCoverage, folded.interval};
  const bool whole = EmitFolded(tally, channels.size(), degreeColumns, clock, folded.first, folded.last, figuresAt,
                                [&](const PeriodRow& row) {
                                  const auto begin = static_cast<uint32_t>(std::clamp<int64_t>(row.start, 0, UINT32_MAX));
                                  if (result.rows++ == 0) result.first = begin;
                                  result.last = begin;
                                  return period(begin, row);
                                });
  result.status = whole ? 1 : -1;
  return result;
}

}  // namespace

TableResult WalkSummary(Series& series, const TableSettings& settings, const SummaryRequest& asked, bool zoned,
                        const SummaryStart& start, const SummaryPeriod& period, const FoldedSummary* folded) {
  TableResult result;
  std::vector<DegreeDayColumn> degree;
  if (std::string problem = DegreeDayColumns(series.Channels(), asked, degree); !problem.empty())
    return {-1, 0, {}, {}, {}, problem};
  if (folded) return WalkFolded(series.Channels(), settings, asked, std::move(degree), zoned, start, period, *folded);
  SeriesClock shown(series, settings.zone, zoned);
  TimeZoneSetting local = settings.zone;
  local.utc = false;
  SeriesClock aligned(series, local, zoned);
  if (!shown.Error().empty()) return {-1, 0, {}, {}, {}, shown.Error()};
  result.anchorNote = shown.AnchorNote();
  const uint32_t interval = series.Interval().value_or(0) > 0 ? *series.Interval() : ShortestStep(series);

  const SummaryColumns columns(series.Channels(), asked, degree, interval);
  bool going = start(shown.Clock(), columns);
  AlignClock clock(aligned.Clock());
  const TallySettings tally{asked.every, asked.minCoverage, interval};
  PeriodTally periods(tally, series.Channels(), degree, clock, [&](const PeriodRow& row) {
    const auto begin = static_cast<uint32_t>(std::clamp<int64_t>(row.start, 0, UINT32_MAX));
    if (result.rows++ == 0) result.first = begin;
    result.last = begin;
    going = period(begin, row);
    return going;
  });
  const int walked = !going ? 0 : series.ForEachRow([&](uint32_t civil, std::span<const Reading> readings) {
    shown.BeforeRow(series);
    aligned.BeforeRow(series);
    return periods.Add(civil, readings);
  });
  if (walked >= 0 && going) periods.Finish();
  result.status = !going || walked < 0 ? -1 : walked;
  if (walked < 0) result.error = series.Error();
  return result;
}

}  // namespace zerb
