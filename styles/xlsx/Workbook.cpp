#include "styles/Workbook.h"

#include "styles/SeriesClock.h"
#include "styles/TableText.h"
#include "styles/xlsx/WorkbookSheets.h"

namespace zerb {

namespace {

constexpr auto Utf8 = TextEncoding::Utf8FromWindows1252;

NoteTable ChannelTable(const Series& series, uint32_t timeColumns) {
  NoteTable table{"Channels", {"Column", "Id", "Kind", "Name", "Type", "Unit", "Exponent"}, {}};
  uint32_t column = timeColumns;
  for (const SeriesChannel& c : series.Channels())
    table.rows.push_back({NoteCell::Text(ColumnName(column++)), NoteCell::Text(ChannelId(c)),
                          NoteCell::Text(std::string(KindName(c.kind))), NoteCell::Text(EncodedText(c.name, Utf8)),
                          NoteCell::Text(EncodedText(c.typeName, Utf8)), NoteCell::Text(UnitOf(c, Utf8)),
                          NoteCell::Number(c.exponent)});
  return table;
}

}  // namespace

TableResult WriteWorkbook(Series& series, const TableSettings& settings, const WorkbookNotes& notes,
                          OutputSink& out) {
  TableResult result;
  const auto fail = [&result](std::string error) {
    result.status = -1;
    result.error = std::move(error);
    return result;
  };
  BookOutput output;
  if (std::string error = output.Open(); !error.empty()) return fail(error);
  SeriesClock clock(series, settings.zone, true);
  if (!clock.Error().empty()) return fail(clock.Error());
  result.anchorNote = clock.AnchorNote();

  std::vector<std::string> heads, units;
  for (const SeriesChannel& channel : series.Channels()) {
    std::string name = EncodedText(channel.name, Utf8);
    const std::string unit = UnitOf(channel, Utf8);
    if (settings.units == UnitsMode::Inline && !unit.empty()) name += " [" + unit + "]";
    heads.push_back(std::move(name));
    units.push_back(unit);
  }
  DataSheets data(output.Made(), std::move(heads), std::move(units), settings.units == UnitsMode::Row, clock.Clock());
  bool cellsWritten = true;
  const int walked = series.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    clock.BeforeRow(series);
    cellsWritten = data.Row(time, readings);
    if (result.rows++ == 0) result.first = time;
    result.last = time;
    return cellsWritten;
  });
  if (walked < 0) return fail(series.Error());
  if (!cellsWritten) return fail("the workbook's cells could not be written");
  const std::vector<SheetSpan>& sheets = data.Finish();
  WriteNotes(output.Made(), settings, notes, {}, ChannelTable(series, data.TimeColumnCount()), sheets);
  if (std::string error; !output.Close(out, error)) return fail(error);
  result.status = walked;
  return result;
}

}  // namespace zerb
