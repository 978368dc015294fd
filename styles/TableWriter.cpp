#include "styles/TableWriter.h"

#include <memory>
#include <vector>

#include "classic/ChannelFields.h"
#include "classic/TextBuffer.h"
#include "series/LogSeriesWalk.h"
#include "series/RowGrid.h"
#include "styles/TableText.h"
#include "styles/TimeColumns.h"
#include "styles/SeriesClock.h"
#include "styles/ValueFields.h"

namespace zerb {

namespace {

std::string NameOf(const SeriesChannel& channel, const TableSettings& s) {
  std::string name = EncodedText(channel.name, s.encoding);
  const std::string unit = UnitOf(channel, s.encoding);
  if (s.units == UnitsMode::Inline && !unit.empty()) name += " [" + unit + "]";
  return name;
}

std::string HeaderOf(const Series& series, const std::vector<std::string>& timeNames, const TableSettings& s) {
  std::string text;
  for (const std::string& name : timeNames) AppendField(text, name, s);
  if (s.layout == Layout::Long) {
    for (const char* name : {"Channel", "Name", "Unit", "Type", "Raw", "Value"}) AppendField(text, name, s);
    EndLine(text, s);
    return text;
  }
  for (const SeriesChannel& channel : series.Channels()) AppendField(text, NameOf(channel, s), s);
  EndLine(text, s);
  if (s.units != UnitsMode::Row) return text;
  std::string units;
  for (std::size_t i = 0; i < timeNames.size(); ++i) AppendField(units, "", s);
  for (const SeriesChannel& channel : series.Channels()) AppendField(units, UnitOf(channel, s.encoding), s);
  EndLine(units, s);
  return text + units;
}

// Per channel of the long layout: its id, name, unit and type fields.
std::vector<PaddedText> LongPrefixes(const Series& series, const TableSettings& s) {
  std::vector<PaddedText> prefixes;
  for (const SeriesChannel& channel : series.Channels()) {
    std::string text;
    AppendField(text, ChannelId(channel), s);
    AppendField(text, EncodedText(channel.name, s.encoding), s);
    AppendField(text, UnitOf(channel, s.encoding), s);
    AppendField(text, channel.typeName, s);
    prefixes.emplace_back(text);
  }
  return prefixes;
}

bool SameReading(const Reading& a, const Reading& b) {
  return a.raw == b.raw && a.value == b.value && a.exponent == b.exponent && a.valid == b.valid &&
         a.present == b.present;
}

class RowWriter {
 public:
  RowWriter(const TableSettings& s, std::size_t channels, ZoneClock& clock, TextBuffer& text)
      : s_(s),
        time_(s.time, s.separator, clock),
        fields_(channels, ValueFieldFormat{s.separator, s.decimalComma, s.layout == Layout::Long,
                                           s.classicQuoting ? "\"\"" : ""}),
        current_(channels, ValueFields::Field{nullptr, 0}),
        text_(text) {}

  std::vector<std::string> TimeNames() const { return time_.Names(); }
  void SetPrefixes(std::vector<PaddedText> prefixes) { prefixes_ = std::move(prefixes); }

  // Channel i's reading, for the rows that follow until it changes.
  void Set(std::size_t i, const Reading& reading) { current_[i] = fields_.Of(i, reading); }

  // The row of the readings last Set (`readings` says which are present),
  // counted in the result.
  void Write(uint32_t civil, std::span<const Reading> readings, TableResult& result) {
    s_.layout == Layout::Wide ? Wide(civil, readings) : Long(civil, readings);
    Count(civil, result);
  }

  // A wide row of one log's fields, kept per raw count by `fields`.
  void Write(uint32_t civil, const ChannelFields& fields, TableResult& result) {
    char* const start = text_.Reserve(TimeColumns::Room + fields.Room() + 2);
    Finish(start, fields.CopyTo(time_.PutTo(start, civil)));
    Count(civil, result);
  }

 private:
  static void Count(uint32_t civil, TableResult& result) {
    if (result.rows++ == 0) result.first = civil;
    result.last = civil;
  }

  void Wide(uint32_t civil, std::span<const Reading> readings) {
    char* const start = text_.Reserve(TimeColumns::Room + readings.size() * fields_.Room() + 2);
    char* p = time_.PutTo(start, civil);
    for (const ValueFields::Field& f : current_) p = ValueFields::Put(p, f);
    Finish(start, p);
  }

  void Long(uint32_t civil, std::span<const Reading> readings) {
    char time[TimeColumns::Room];
    const auto timeSize = static_cast<std::size_t>(time_.PutTo(time, civil) - time);
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (!readings[i].present) continue;
      char* const start = text_.Reserve(TimeColumns::Room + prefixes_[i].Room() + fields_.Room() + 2);
      std::memcpy(start, time, TimeColumns::Room);
      char* p = prefixes_[i].CopyTo(start + timeSize);
      Finish(start, ValueFields::Put(p, current_[i]));
    }
  }

  // Ends the line at start whose fields end at p.
  void Finish(char* start, char* p) {
    if (!s_.trailingSeparator && p != start) --p;
    *p++ = '\r';
    *p++ = '\n';
    text_.Commit(static_cast<std::size_t>(p - start));
  }

  const TableSettings& s_;
  TimeColumns time_;
  ValueFields fields_;
  std::vector<ValueFields::Field> current_;  // per channel, the field of its reading
  std::vector<PaddedText> prefixes_;
  TextBuffer& text_;
};

// The fields of one log's wide rows kept per raw count, as the classic
// writer keeps them: a count is made into text once, and the rows copy it
// without a reading in between. Not for a decimal comma with the comma
// separator, which quotes the value (see ValueFields).
bool FieldsPerCount(const TableSettings& s) {
  return s.layout == Layout::Wide && !(s.decimalComma && s.separator == ',');
}

ChannelFields FieldsOf(const LogSeries& log, const TableSettings& s) {
  const ChannelFields::Parts parts{"", std::string(1, s.separator), s.classicQuoting ? "\"\"" : "",
                                   s.decimalComma ? ',' : '.'};
  return ChannelFields(log.Devices(), [&](const TDev&) { return parts; });
}

// One log's rows with the row function inlined, each field made again only
// when its count or reading changes.
int WalkLog(LogSeries& log, const TableSettings& s, RowWriter& rows, TableResult& result) {
  if (FieldsPerCount(s)) {
    ChannelFields fields = FieldsOf(log, s);
    return log.WalkCounts([&](uint32_t time, std::span<const int16_t> counts) {
      fields.Update(counts);
      rows.Write(time, fields, result);
      return true;
    });
  }
  return log.WalkReadings([&](uint32_t time, std::span<const Reading> readings, std::span<const uint32_t> changed) {
    for (const uint32_t i : changed) rows.Set(i, readings[i]);
    rows.Write(time, readings, result);
    return true;
  });
}

// Rows held as a grid, walked in place: a field is looked up again only
// when its channel's reading differs from the row before's.
int WalkGrid(const RowGrid& grid, std::size_t width, SeriesClock& clock, RowWriter& rows, TableResult& result) {
  const Reading* previous = nullptr;
  for (std::size_t r = 0; r < grid.times.size(); ++r) {
    const std::span<const Reading> readings = grid.readings.subspan(r * width, width);
    clock.BeforeRow(static_cast<uint32_t>(grid.anchors[r]));
    for (std::size_t i = 0; i < width; ++i)
      if (!previous || !SameReading(readings[i], previous[i])) rows.Set(i, readings[i]);
    previous = readings.data();
    rows.Write(static_cast<uint32_t>(grid.times[r]), readings, result);
  }
  return 1;
}

}  // namespace

TableResult WriteTable(Series& series, const TableSettings& settings, OutputSink& out) {
  TableResult result;
  SeriesClock clock(series, settings.zone, settings.time == TimeForm::Iso || settings.time == TimeForm::Excel);
  if (!clock.Error().empty()) return {-1, 0, {}, {}, {}, clock.Error()};
  result.anchorNote = clock.AnchorNote();

  auto text = std::make_unique<TextBuffer>(out);
  RowWriter rows(settings, series.Channels().size(), clock.Clock(), *text);
  if (settings.bom) text->Append("\xEF\xBB\xBF");
  if (settings.header) text->Append(HeaderOf(series, rows.TimeNames(), settings));
  if (settings.layout == Layout::Long) rows.SetPrefixes(LongPrefixes(series, settings));
  // One log's rows as WalkLog has them, a grid's in place; any other
  // series through its interface.
  int walked = 0;
  if (auto* log = dynamic_cast<LogSeries*>(&series)) {
    walked = WalkLog(*log, settings, rows, result);
  } else if (auto* grid = dynamic_cast<GridSeries*>(&series)) {
    walked = WalkGrid(grid->Grid(), series.Channels().size(), clock, rows, result);
  } else {
    // A field is looked up again only when its channel's reading changes:
    // readings mostly repeat from row to row, and a field stays valid until
    // its own channel's next lookup.
    std::vector<Reading> last(series.Channels().size());
    bool first = true;
    walked = series.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
      clock.BeforeRow(series);
      for (std::size_t i = 0; i < readings.size(); ++i) {
        if (!first && SameReading(readings[i], last[i])) continue;
        rows.Set(i, readings[i]);
        last[i] = readings[i];
      }
      first = false;
      rows.Write(time, readings, result);
      return true;
    });
  }
  const bool written = text->Flush();
  result.status = !written || walked < 0 ? -1 : walked;
  if (walked < 0) result.error = series.Error();
  return result;
}

}  // namespace zerb
