#include "styles/Workbook.h"

#include <algorithm>
#include <climits>

#include "styles/SeriesClock.h"
#include "styles/TableText.h"
#include "styles/TimeColumns.h"
#include "styles/TimeText.h"
#include "styles/xlsx/WorkbookBook.h"
#include "styles/xlsx/WorkbookFile.h"

namespace zerb {

namespace {

const xlsx::Functions& Lib() { return xlsx::Api(); }

constexpr auto Utf8 = TextEncoding::Utf8FromWindows1252;

// A data sheet as the Channels sheet lists it.
struct SheetSpan {
  std::string name;
  uint64_t rows = 0;
  int64_t first = 0, last = 0;  // the times shown in its first and last row
};

// The data sheets: rows go to the current sheet, and to a new one with the
// same header once it is full.
class DataSheets {
 public:
  DataSheets(Book& book, const Series& series, const TableSettings& settings, ZoneClock& clock)
      : book_(book), clock_(clock), offsetColumn_(clock.Mark() != OffsetMark::None) {
    heads_ = zerb::TimeColumns(TimeForm::Excel, ',', clock).Names();
    timeColumns_ = static_cast<uint32_t>(heads_.size());
    for (const SeriesChannel& channel : series.Channels()) {
      std::string name = EncodedText(channel.name, Utf8);
      const std::string unit = UnitOf(channel, Utf8);
      if (settings.units == UnitsMode::Inline && !unit.empty()) name += " [" + unit + "]";
      heads_.push_back(std::move(name));
      units_.push_back(unit);
    }
    unitsRow_ = settings.units == UnitsMode::Row;
  }

  // Writes the row; false when the library refused a cell.
  bool Row(uint32_t civil, std::span<const Reading> readings) {
    if (!sheet_ || row_ == SheetRows) Start();
    const ShownTime shown = clock_.At(civil);
    lxw_error failed = Lib().worksheet_write_number(sheet_, row_, 0, SerialTime(shown.seconds), book_.DateTime());
    if (offsetColumn_) failed = std::max(failed, Lib().worksheet_write_string(sheet_, row_, 1, OffsetOf(shown), nullptr));
    lxw_col_t column = static_cast<lxw_col_t>(timeColumns_);
    for (const Reading& r : readings) {
      if (r.present && r.valid)
        failed = std::max(failed, Lib().worksheet_write_number(sheet_, row_, column, ScaledValue(r.value, r.exponent),
                                                               book_.Decimals(r.exponent)));
      ++column;
    }
    SheetSpan& span = sheets_.back();
    if (span.rows++ == 0) span.first = shown.seconds;
    span.last = shown.seconds;
    ++row_;
    return failed == LXW_NO_ERROR;
  }

  // Ends the last sheet; the sheets written, one even for no rows.
  const std::vector<SheetSpan>& Finish() {
    if (!sheet_) Start();
    Filter();
    return sheets_;
  }
  uint32_t TimeColumnCount() const { return timeColumns_; }

 private:
  void Start() {
    if (sheet_) Filter();
    sheets_.push_back({sheets_.empty() ? "Data" : "Data " + std::to_string(sheets_.size() + 1), 0, 0, 0});
    sheet_ = book_.AddSheet(sheets_.back().name);
    for (uint32_t c = 0; c < heads_.size(); ++c) {
      const std::size_t unitWidth = c < timeColumns_ ? 0 : CharacterCount(units_[c - timeColumns_]);
      const double width = c == 0 ? 20 : double(std::clamp<std::size_t>(std::max(CharacterCount(heads_[c]), unitWidth) + 2, 10, 40));
      Lib().worksheet_set_column(sheet_, lxw_col_t(c), lxw_col_t(c), width, nullptr);
      Lib().worksheet_write_string(sheet_, 0, lxw_col_t(c), heads_[c].c_str(), book_.Bold());
      if (unitsRow_ && c >= timeColumns_)
        Lib().worksheet_write_string(sheet_, 1, lxw_col_t(c), units_[c - timeColumns_].c_str(), book_.Bold());
    }
    row_ = unitsRow_ ? 2 : 1;
    Lib().worksheet_freeze_panes(sheet_, row_, lxw_col_t(timeColumns_));
  }

  // The autofilter over the sheet's last header row and its rows.
  void Filter() {
    const lxw_row_t head = unitsRow_ ? 1 : 0;
    Lib().worksheet_autofilter(sheet_, head, 0, std::max(head, row_ - 1), lxw_col_t(heads_.size() - 1));
  }

  const char* OffsetOf(const ShownTime& shown) {
    if (shown.offset != offset_) offsetText_ = OffsetText(offset_ = shown.offset);
    return offsetText_.c_str();
  }

  Book& book_;
  ZoneClock& clock_;
  bool offsetColumn_;
  bool unitsRow_ = false;
  uint32_t timeColumns_ = 1;
  std::vector<std::string> heads_, units_;
  std::vector<SheetSpan> sheets_;
  lxw_worksheet* sheet_ = nullptr;
  lxw_row_t row_ = 0;  // the next row of the sheet
  int32_t offset_ = INT32_MIN;
  std::string offsetText_;
};

// The Channels sheet, filled from the top.
class NotesSheet {
 public:
  NotesSheet(Book& book, lxw_worksheet* sheet) : book_(book), sheet_(sheet) {
    Lib().worksheet_set_column(sheet_, 0, 0, 18, nullptr);
    Lib().worksheet_set_column(sheet_, 1, 8, 20, nullptr);
  }

  void Line(const std::string& label, const NoteCell& value) {
    Lib().worksheet_write_string(sheet_, row_, 0, label.c_str(), book_.Bold());
    Put(1, value);
    ++row_;
  }
  void Table(const std::string& title, const std::vector<std::string>& heads,
             const std::vector<std::vector<NoteCell>>& rows) {
    ++row_;
    Lib().worksheet_write_string(sheet_, row_++, 0, title.c_str(), book_.Bold());
    for (std::size_t c = 0; c < heads.size(); ++c)
      Lib().worksheet_write_string(sheet_, row_, lxw_col_t(c), heads[c].c_str(), book_.Bold());
    ++row_;
    for (const std::vector<NoteCell>& cells : rows) {
      for (std::size_t c = 0; c < cells.size(); ++c) Put(lxw_col_t(c), cells[c]);
      ++row_;
    }
  }

 private:
  void Put(lxw_col_t column, const NoteCell& cell) {
    switch (cell.kind) {
      case NoteCell::Kind::Text: Lib().worksheet_write_string(sheet_, row_, column, cell.text.c_str(), nullptr); break;
      case NoteCell::Kind::Number: Lib().worksheet_write_number(sheet_, row_, column, cell.number, nullptr); break;
      case NoteCell::Kind::Time:
        Lib().worksheet_write_number(sheet_, row_, column, SerialTime(cell.time), book_.DateTime());
        break;
    }
  }

  Book& book_;
  lxw_worksheet* sheet_;
  lxw_row_t row_ = 0;
};

std::string TimesText(const TimeZoneSetting& zone) {
  switch (zone.kind) {
    case ZoneKind::Civil: return "the logger's civil time";
    case ZoneKind::FixedOffset:
      return zone.utc ? "UTC (the logger's clock kept at UTC" + OffsetText(zone.offsetMinutes * 60) + ")"
                      : "the logger's clock, kept at UTC" + OffsetText(zone.offsetMinutes * 60) + " all year";
    case ZoneKind::Named:
      return zone.utc ? "UTC (the logger's clock in " + zone.name + ")"
                      : zone.name + ", with each time's offset from UTC beside it";
  }
  return {};
}

std::vector<std::vector<NoteCell>> ChannelRows(const Series& series, uint32_t timeColumns) {
  std::vector<std::vector<NoteCell>> rows;
  uint32_t column = timeColumns;
  for (const SeriesChannel& c : series.Channels())
    rows.push_back({NoteCell::Text(ColumnName(column++)), NoteCell::Text(ChannelId(c)),
                    NoteCell::Text(std::string(KindName(c.kind))), NoteCell::Text(EncodedText(c.name, Utf8)),
                    NoteCell::Text(EncodedText(c.typeName, Utf8)), NoteCell::Text(UnitOf(c, Utf8)),
                    NoteCell::Number(c.exponent)});
  return rows;
}

void WriteNotes(Book& book, const Series& series, const TableSettings& settings, const std::vector<SheetSpan>& sheets,
                uint32_t timeColumns, const WorkbookNotes& notes) {
  NotesSheet sheet(book, book.AddSheet("Channels"));
  for (const auto& [label, value] : notes.about) sheet.Line(label, value);
  sheet.Line("Times", NoteCell::Text(TimesText(settings.zone)));
  sheet.Table("Channels", {"Column", "Id", "Kind", "Name", "Type", "Unit", "Exponent"},
              ChannelRows(series, timeColumns));
  std::vector<std::vector<NoteCell>> sheetRows;
  for (const SheetSpan& s : sheets)
    sheetRows.push_back({NoteCell::Text(s.name), NoteCell::Number(double(s.rows)),
                         s.rows ? NoteCell::Time(s.first) : NoteCell::Text(""),
                         s.rows ? NoteCell::Time(s.last) : NoteCell::Text("")});
  sheet.Table(sheets.size() > 1 ? "Sheets (the rows continue from sheet to sheet)" : "Sheets",
              {"Sheet", "Rows", "First time", "Last time"}, sheetRows);
  for (const NoteTable& table : notes.tables) sheet.Table(table.title, table.heads, table.rows);
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
  if (std::string unloaded; !xlsx::Load(unloaded)) return fail(unloaded);
  SeriesClock clock(series, settings.zone, true);
  if (!clock.Error().empty()) return fail(clock.Error());
  result.anchorNote = clock.AnchorNote();
  WorkbookFile file;
  if (!file.Error().empty()) return fail(file.Error());
  Book book(file.Name());
  if (!book.Made()) return fail("the workbook cannot be made");

  DataSheets data(book, series, settings, clock.Clock());
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
  WriteNotes(book, series, settings, data.Finish(), data.TimeColumnCount(), notes);
  if (std::string closed = book.Close(); !closed.empty()) return fail("the workbook could not be written: " + closed);
  if (!file.CopyTo(out)) return fail(file.Error());
  result.status = walked;
  return result;
}

}  // namespace zerb
