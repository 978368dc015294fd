#include "styles/SummaryTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "styles/ChannelChoice.h"
#include "styles/SeriesClock.h"
#include "styles/TableText.h"
#include "styles/TimeColumns.h"
#include "styles/UnitText.h"
#include "styles/Windows1252.h"
#include "summary/PeriodTally.h"

namespace zerb {

namespace {

// One column of the wide layout (a line of the long one): a statistic of
// a channel, or a degree-day figure.
struct Column {
  std::size_t channel = 0;
  Stat stat = Stat::Mean;
  int degreeDay = -1;  // index of the degree-day figure, or -1
};

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

std::string DegreeDayColumns(std::span<const SeriesChannel> channels, const SummaryRequest& asked,
                             std::vector<DegreeDayColumn>& columns) {
  for (const DegreeDayRequest& request : asked.degreeDays) {
    const char* option = request.cooling ? "--cooling-degree-days" : "--degree-days";
    const ChannelChoice choice = ChooseChannels(channels, request.channel);
    if (!choice.problem.empty()) return std::string(option) + ": " + choice.problem;
    if (choice.columns.size() != 1) return std::string(option) + " takes one channel, not '" + request.channel + "'";
    DegreeDayColumn column{choice.columns.front(), request.base, request.cooling, false};
    if (!IsTemperature(channels[column.channel], column.fahrenheit))
      return std::string(option) + ": '" + request.channel + "' is not a temperature channel (°C or °F)";
    columns.push_back(column);
  }
  return {};
}

class SummaryText {
 public:
  SummaryText(std::span<const SeriesChannel> channels, const TableSettings& s, const SummaryRequest& asked,
              std::vector<DegreeDayColumn> degree, uint32_t interval)
      : channels_(channels), s_(s), degree_(std::move(degree)), interval_(interval) {
    for (std::size_t c = 0; c < channels.size(); ++c)
      for (const Stat stat : StatsFor(channels[c].digital, asked.stats)) columns_.push_back({c, stat, -1});
    for (std::size_t k = 0; k < degree_.size(); ++k) columns_.push_back({degree_[k].channel, Stat::Count, int(k)});
  }

  std::string Header(const std::vector<std::string>& timeNames) const {
    std::string text;
    for (const std::string& name : timeNames) AppendField(text, name, s_);
    if (s_.layout == Layout::Long) {
      for (const char* name : {"Channel", "Name", "Unit", "Stat", "Value", "Count"}) AppendField(text, name, s_);
      EndLine(text, s_);
      return text;
    }
    for (const Column& column : columns_) {
      std::string name = EncodedText(channels_[column.channel].name, s_.encoding);
      const std::string unit = UnitOf(column);
      if (s_.units == UnitsMode::Inline && !unit.empty()) name += " [" + unit + "]";
      AppendField(text, name + " " + std::string(StatName(column)), s_);
    }
    EndLine(text, s_);
    if (s_.units != UnitsMode::Row) return text;
    std::string units;
    for (std::size_t i = 0; i < timeNames.size(); ++i) AppendField(units, "", s_);
    for (const Column& column : columns_) AppendField(units, ValueUnit(column), s_);
    EndLine(units, s_);
    return text + units;
  }

  // The lines of a period whose time columns are `time`.
  std::string Lines(std::string_view time, const PeriodRow& row) const {
    std::string text;
    if (s_.layout == Layout::Wide) text = time;
    for (const Column& column : columns_) {
      const std::string value = ValueText(column, row);
      if (s_.layout == Layout::Wide) {
        AppendField(text, value, s_);
        continue;
      }
      std::string line(time);
      const SeriesChannel& channel = channels_[column.channel];
      AppendField(line, ChannelId(channel), s_);
      AppendField(line, EncodedText(channel.name, s_.encoding), s_);
      AppendField(line, ValueUnit(column), s_);
      AppendField(line, StatName(column), s_);
      AppendField(line, value, s_);
      const uint64_t count =
          column.degreeDay >= 0 ? row.degreeDayCount[std::size_t(column.degreeDay)] : row.channels[column.channel].count;
      AppendField(line, std::to_string(count), s_);
      EndLine(line, s_);
      text += line;
    }
    if (s_.layout == Layout::Wide) EndLine(text, s_);
    return text;
  }

 private:
  std::string_view StatName(const Column& column) const {
    return column.degreeDay >= 0 ? DegreeDayStat(degree_[std::size_t(column.degreeDay)].cooling)
                                 : InfoOf(column.stat).name;
  }

  // The channel's unit: a column is named after the channel's column in
  // the rows (the statistic's name says what its value is).
  std::string UnitOf(const Column& column) const { return zerb::UnitOf(channels_[column.channel], s_.encoding); }

  // The unit of the value itself (the long layout's Unit field): hours on,
  // none for a count, kelvin-days for degree-days.
  std::string ValueUnit(const Column& column) const {
    const auto encoded = [&](std::string_view unit) {
      return s_.encoding == TextEncoding::AsStored ? Windows1252FromUtf8(unit) : std::string(unit);
    };
    if (column.degreeDay >= 0) return encoded("K·d");
    if (column.stat == Stat::On) return encoded("h");
    if (InfoOf(column.stat).digits == StatDigits::Whole) return {};
    return UnitOf(column);
  }

  std::string ValueText(const Column& column, const PeriodRow& row) const {
    std::optional<double> value;
    int decimals = 2;
    if (column.degreeDay >= 0) {
      value = row.degreeDays[std::size_t(column.degreeDay)];
    } else {
      const StatInfo& info = InfoOf(column.stat);
      const bool shown = row.covered[column.channel] != 0 || column.stat == Stat::Count;
      if (shown) value = info.value(row.channels[column.channel], interval_);
      const int own = std::max(0, -channels_[column.channel].exponent);
      decimals = info.digits == StatDigits::Channel ? own
                 : info.digits == StatDigits::ChannelMore ? own + 2
                 : info.digits == StatDigits::Hours ? 4
                                                    : 0;
    }
    if (!value) return {};
    char text[64];
    const int size = std::snprintf(text, sizeof text, "%.*f", decimals, *value);
    std::string field(text, size > 0 ? std::size_t(size) : 0);
    // A value that rounds to zero is written "0", never "-0".
    if (field.front() == '-' && field.find_first_not_of("-0.") == std::string::npos) field.erase(0, 1);
    if (s_.decimalComma) std::replace(field.begin(), field.end(), '.', ',');
    return field;
  }

  std::span<const SeriesChannel> channels_;
  const TableSettings& s_;
  std::vector<DegreeDayColumn> degree_;
  uint32_t interval_;
  std::vector<Column> columns_;
};

}  // namespace

std::string SummaryProblem(std::span<const SeriesChannel> channels, const SummaryRequest& asked) {
  std::vector<DegreeDayColumn> columns;
  return DegreeDayColumns(channels, asked, columns);
}

TableResult WriteSummary(Series& series, const TableSettings& settings, const SummaryRequest& asked, OutputSink& out) {
  TableResult result;
  std::vector<DegreeDayColumn> degree;
  if (std::string problem = DegreeDayColumns(series.Channels(), asked, degree); !problem.empty())
    return {-1, 0, {}, {}, {}, problem};
  const bool zoned = settings.time == TimeForm::Iso || settings.time == TimeForm::Excel;
  SeriesClock shown(series, settings.zone, zoned);
  TimeZoneSetting local = settings.zone;
  local.utc = false;
  SeriesClock aligned(series, local, zoned);
  if (!shown.Error().empty()) return {-1, 0, {}, {}, {}, shown.Error()};
  result.anchorNote = shown.AnchorNote();
  const uint32_t interval = series.Interval().value_or(0) > 0 ? *series.Interval() : ShortestStep(series);

  const SummaryText text(series.Channels(), settings, asked, degree, interval);
  TimeColumns time(settings.time, settings.separator, shown.Clock());
  std::string head = settings.bom ? "\xEF\xBB\xBF" : "";
  if (settings.header) head += text.Header(time.Names());
  bool written = out.Write(head);
  AlignClock clock(aligned.Clock());
  const TallySettings tally{asked.every, asked.minCoverage, interval};
  PeriodTally periods(tally, series.Channels(), degree, clock, [&](const PeriodRow& row) {
    const auto start = static_cast<uint32_t>(std::clamp<int64_t>(row.start, 0, UINT32_MAX));
    char columns[TimeColumns::Room];
    const std::string_view timeText(columns, std::size_t(time.PutTo(columns, start) - columns));
    if (result.rows++ == 0) result.first = start;
    result.last = start;
    written = out.Write(text.Lines(timeText, row));
    return written;
  });
  const int walked = series.ForEachRow([&](uint32_t civil, std::span<const Reading> readings) {
    shown.BeforeRow(series);
    aligned.BeforeRow(series);
    return periods.Add(civil, readings);
  });
  if (walked >= 0 && written) periods.Finish();
  result.status = !written || walked < 0 ? -1 : walked;
  if (walked < 0) result.error = series.Error();
  return result;
}

}  // namespace zerb
