#include "styles/SummaryTable.h"

#include <algorithm>
#include <cstdio>

#include "styles/SummaryColumns.h"
#include "styles/TableText.h"
#include "styles/TimeColumns.h"
#include "styles/UnitText.h"
#include "styles/Windows1252.h"

namespace zerb {

namespace {

class SummaryText {
 public:
  SummaryText(const SummaryColumns& columns, const TableSettings& s) : columns_(columns), s_(s) {}

  std::string Header(const std::vector<std::string>& timeNames) const {
    std::string text;
    for (const std::string& name : timeNames) AppendField(text, name, s_);
    if (s_.layout == Layout::Long) {
      for (const char* name : {"Channel", "Name", "Unit", "Stat", "Value", "Count"}) AppendField(text, name, s_);
      EndLine(text, s_);
      return text;
    }
    for (const SummaryColumn& column : columns_.All()) {
      std::string name = EncodedText(columns_.ChannelOf(column).name, s_.encoding);
      const std::string unit = UnitOf(column);
      if (s_.units == UnitsMode::Inline && !unit.empty()) name += " [" + unit + "]";
      AppendField(text, name + " " + std::string(columns_.StatName(column)), s_);
    }
    EndLine(text, s_);
    if (s_.units != UnitsMode::Row) return text;
    std::string units;
    for (std::size_t i = 0; i < timeNames.size(); ++i) AppendField(units, "", s_);
    for (const SummaryColumn& column : columns_.All()) AppendField(units, ValueUnit(column), s_);
    EndLine(units, s_);
    return text + units;
  }

  // The lines of a period whose time columns are `time`.
  std::string Lines(std::string_view time, const PeriodRow& row) const {
    std::string text;
    if (s_.layout == Layout::Wide) text = time;
    for (const SummaryColumn& column : columns_.All()) {
      const std::string value = ValueText(column, row);
      if (s_.layout == Layout::Wide) {
        AppendField(text, value, s_);
        continue;
      }
      std::string line(time);
      const SeriesChannel& channel = columns_.ChannelOf(column);
      AppendField(line, ChannelId(channel), s_);
      AppendField(line, EncodedText(channel.name, s_.encoding), s_);
      AppendField(line, ValueUnit(column), s_);
      AppendField(line, columns_.StatName(column), s_);
      AppendField(line, value, s_);
      AppendField(line, std::to_string(columns_.Count(column, row)), s_);
      EndLine(line, s_);
      text += line;
    }
    if (s_.layout == Layout::Wide) EndLine(text, s_);
    return text;
  }

 private:
  // The channel's unit: a column is named after the channel's column in
  // the rows (the statistic's name says what its value is).
  std::string UnitOf(const SummaryColumn& column) const { return zerb::UnitOf(columns_.ChannelOf(column), s_.encoding); }

  // The unit of the value itself (the long layout's Unit field).
  std::string ValueUnit(const SummaryColumn& column) const {
    const auto encoded = [&](std::string_view unit) {
      return s_.encoding == TextEncoding::AsStored ? Windows1252FromUtf8(unit) : std::string(unit);
    };
    switch (columns_.UnitKind(column)) {
      case SummaryColumns::ValueUnit::KelvinDays: return encoded("K·d");
      case SummaryColumns::ValueUnit::Hours: return encoded("h");
      case SummaryColumns::ValueUnit::None: return {};
      case SummaryColumns::ValueUnit::Channel: break;
    }
    return UnitOf(column);
  }

  std::string ValueText(const SummaryColumn& column, const PeriodRow& row) const {
    const std::optional<double> value = columns_.Value(column, row);
    if (!value) return {};
    char text[64];
    const int size = std::snprintf(text, sizeof text, "%.*f", columns_.Decimals(column), *value);
    std::string field(text, size > 0 ? std::size_t(size) : 0);
    // A value that rounds to zero is written "0", never "-0".
    if (field.front() == '-' && field.find_first_not_of("-0.") == std::string::npos) field.erase(0, 1);
    if (s_.decimalComma) std::replace(field.begin(), field.end(), '.', ',');
    return field;
  }

  const SummaryColumns& columns_;
  const TableSettings& s_;
};

}  // namespace

std::string SummaryProblem(std::span<const SeriesChannel> channels, const SummaryRequest& asked) {
  std::vector<DegreeDayColumn> columns;
  return DegreeDayColumns(channels, asked, columns);
}

TableResult WriteSummary(Series& series, const TableSettings& settings, const SummaryRequest& asked, OutputSink& out,
                         const FoldedSummary* folded) {
  const bool zoned = settings.time == TimeForm::Iso || settings.time == TimeForm::Excel;
  std::optional<SummaryText> text;
  std::optional<TimeColumns> time;
  const auto start = [&](ZoneClock& shown, const SummaryColumns& columns) {
    text.emplace(columns, settings);
    time.emplace(settings.time, settings.separator, shown);
    std::string head = settings.bom ? "\xEF\xBB\xBF" : "";
    if (settings.header) head += text->Header(time->Names());
    return out.Write(head);
  };
  return WalkSummary(series, settings, asked, zoned, start, [&](uint32_t begin, const PeriodRow& row) {
    char columns[TimeColumns::Room];
    const std::string_view timeText(columns, std::size_t(time->PutTo(columns, begin) - columns));
    return out.Write(text->Lines(timeText, row));
  }, folded);
}

}  // namespace zerb
