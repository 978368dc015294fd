#include <cstdio>

#include "styles/SummaryColumns.h"
#include "styles/TableText.h"
#include "styles/Workbook.h"
#include "styles/xlsx/WorkbookSheets.h"

namespace zerb {

namespace {

constexpr auto Utf8 = TextEncoding::Utf8FromWindows1252;

// What the Channels sheet says of the request, after the times.
std::vector<std::pair<std::string, NoteCell>> RequestLines(const SummaryRequest& asked) {
  char coverage[64];
  std::snprintf(coverage, sizeof coverage, "at least %g of each period's readings valid", asked.minCoverage);
  return {{"Every", NoteCell::Text(std::string(NameOf(asked.every)))},
          {"Statistics", NoteCell::Text(asked.stats.empty() ? "each channel's defaults" : StatsText(asked.stats))},
          {"Figures", NoteCell::Text(asked.minCoverage > 0 ? coverage : "from any valid reading")}};
}

NoteTable ColumnTable(const SummaryColumns& columns, uint32_t timeColumns) {
  NoteTable table{"Columns", {"Column", "Id", "Name", "Unit", "Stat"}, {}};
  uint32_t at = timeColumns;
  for (const SummaryColumn& column : columns.All()) {
    const SeriesChannel& c = columns.ChannelOf(column);
    table.rows.push_back({NoteCell::Text(ColumnName(at++)), NoteCell::Text(ChannelId(c)),
                          NoteCell::Text(EncodedText(c.name, Utf8)), NoteCell::Text(UnitOf(c, Utf8)),
                          NoteCell::Text(std::string(columns.StatName(column)))});
  }
  return table;
}

}  // namespace

TableResult WriteSummaryWorkbook(Series& series, const TableSettings& settings, const SummaryRequest& asked,
                                 const WorkbookNotes& notes, OutputSink& out, const FoldedSummary* folded) {
  BookOutput output;
  std::optional<DataSheets> data;
  std::optional<NoteTable> columnTable;
  std::vector<lxw_format*> formats;
  std::vector<SheetNumber> numbers;
  const SummaryColumns* shownColumns = nullptr;
  std::string error;
  const auto start = [&](ZoneClock& shown, const SummaryColumns& columns) {
    if (error = output.Open(); !error.empty()) return false;
    std::vector<std::string> heads, units;
    for (const SummaryColumn& column : columns.All()) {
      std::string name = EncodedText(columns.ChannelOf(column).name, Utf8);
      const std::string unit = UnitOf(columns.ChannelOf(column), Utf8);
      if (settings.units == UnitsMode::Inline && !unit.empty()) name += " [" + unit + "]";
      heads.push_back(name + " " + std::string(columns.StatName(column)));
      units.push_back(unit);
      formats.push_back(output.Made().Decimals(-columns.Decimals(column)));
    }
    data.emplace(output.Made(), std::move(heads), std::move(units), settings.units == UnitsMode::Row, shown);
    columnTable = ColumnTable(columns, data->TimeColumnCount());
    shownColumns = &columns;
    return true;
  };
  TableResult result = WalkSummary(series, settings, asked, true, start, [&](uint32_t begin, const PeriodRow& row) {
    numbers.clear();
    for (std::size_t i = 0; i < shownColumns->All().size(); ++i)
      numbers.push_back({shownColumns->Value(shownColumns->All()[i], row), formats[i]});
    if (data->Row(begin, numbers)) return true;
    error = "the workbook's cells could not be written";
    return false;
  }, folded);
  bool closed = true;
  if (result.status >= 0) {
    WriteNotes(output.Made(), settings, notes, RequestLines(asked), *columnTable, data->Finish());
    closed = output.Close(out, error);
  }
  if (!closed || !error.empty()) {
    result.status = -1;
    result.error = error;
  }
  return result;
}

}  // namespace zerb
