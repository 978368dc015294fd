#include "styles/xlsx/WorkbookSheets.h"

#include <algorithm>

#include "styles/TimeColumns.h"
#include "styles/TimeText.h"

namespace zerb {

namespace {

const xlsx::Functions& Lib() { return xlsx::Api(); }

}  // namespace

DataSheets::DataSheets(Book& book, std::vector<std::string> heads, std::vector<std::string> units, bool unitsRow,
                       ZoneClock& clock)
    : book_(book), clock_(clock), offsetColumn_(clock.Mark() != OffsetMark::None), unitsRow_(unitsRow),
      units_(std::move(units)) {
  heads_ = zerb::TimeColumns(TimeForm::Excel, ',', clock).Names();
  timeColumns_ = static_cast<uint32_t>(heads_.size());
  for (std::string& head : heads) heads_.push_back(std::move(head));
}

lxw_error DataSheets::StartRow(uint32_t civil) {
  if (!sheet_ || row_ == SheetRows) Start();
  if (!sheet_) return LXW_ERROR_MEMORY_MALLOC_FAILED;
  const ShownTime shown = clock_.At(civil);
  lxw_error failed = Lib().worksheet_write_number(sheet_, row_, 0, SerialTime(shown.seconds), book_.DateTime());
  if (offsetColumn_) failed = std::max(failed, Lib().worksheet_write_string(sheet_, row_, 1, OffsetOf(shown), nullptr));
  SheetSpan& span = sheets_.back();
  if (span.rows++ == 0) span.first = shown.seconds;
  span.last = shown.seconds;
  return failed;
}

bool DataSheets::Row(uint32_t civil, std::span<const Reading> readings) {
  lxw_error failed = StartRow(civil);
  if (!sheet_) return false;
  auto column = static_cast<lxw_col_t>(timeColumns_);
  for (const Reading& r : readings) {
    if (r.present && r.valid)
      failed = std::max(failed, Lib().worksheet_write_number(sheet_, row_, column, ScaledValue(r.value, r.exponent),
                                                             book_.Decimals(r.exponent)));
    ++column;
  }
  ++row_;
  return failed == LXW_NO_ERROR;
}

bool DataSheets::Row(uint32_t civil, std::span<const SheetNumber> numbers) {
  lxw_error failed = StartRow(civil);
  if (!sheet_) return false;
  auto column = static_cast<lxw_col_t>(timeColumns_);
  for (const SheetNumber& n : numbers) {
    if (n.value) failed = std::max(failed, Lib().worksheet_write_number(sheet_, row_, column, *n.value, n.format));
    ++column;
  }
  ++row_;
  return failed == LXW_NO_ERROR;
}

const std::vector<SheetSpan>& DataSheets::Finish() {
  if (!sheet_) Start();
  Filter();
  return sheets_;
}

void DataSheets::Start() {
  if (sheet_) Filter();
  sheets_.push_back({sheets_.empty() ? "Data" : "Data " + std::to_string(sheets_.size() + 1), 0, 0, 0});
  sheet_ = book_.AddSheet(sheets_.back().name);
  if (!sheet_) return;
  for (uint32_t c = 0; c < heads_.size(); ++c) {
    const std::size_t unitWidth = c < timeColumns_ ? 0 : CharacterCount(units_[c - timeColumns_]);
    const double width =
        c == 0 ? 20 : double(std::clamp<std::size_t>(std::max(CharacterCount(heads_[c]), unitWidth) + 2, 10, 40));
    Lib().worksheet_set_column(sheet_, lxw_col_t(c), lxw_col_t(c), width, nullptr);
    Lib().worksheet_write_string(sheet_, 0, lxw_col_t(c), heads_[c].c_str(), book_.Bold());
    if (unitsRow_ && c >= timeColumns_)
      Lib().worksheet_write_string(sheet_, 1, lxw_col_t(c), units_[c - timeColumns_].c_str(), book_.Bold());
  }
  row_ = unitsRow_ ? 2 : 1;
  Lib().worksheet_freeze_panes(sheet_, row_, lxw_col_t(timeColumns_));
}

// The autofilter over the sheet's last header row and its rows.
void DataSheets::Filter() {
  if (!sheet_) return;
  const lxw_row_t head = unitsRow_ ? 1 : 0;
  Lib().worksheet_autofilter(sheet_, head, 0, std::max(head, row_ - 1), lxw_col_t(heads_.size() - 1));
}

const char* DataSheets::OffsetOf(const ShownTime& shown) {
  if (shown.offset != offset_) offsetText_ = OffsetText(offset_ = shown.offset);
  return offsetText_.c_str();
}

NotesSheet::NotesSheet(Book& book, lxw_worksheet* sheet) : book_(book), sheet_(sheet) {
  Lib().worksheet_set_column(sheet_, 0, 0, 18, nullptr);
  Lib().worksheet_set_column(sheet_, 1, 8, 20, nullptr);
}

void NotesSheet::Line(const std::string& label, const NoteCell& value) {
  Lib().worksheet_write_string(sheet_, row_, 0, label.c_str(), book_.Bold());
  Put(1, value);
  ++row_;
}

void NotesSheet::Table(const std::string& title, const std::vector<std::string>& heads,
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

void NotesSheet::Put(lxw_col_t column, const NoteCell& cell) {
  switch (cell.kind) {
    case NoteCell::Kind::Text: Lib().worksheet_write_string(sheet_, row_, column, cell.text.c_str(), nullptr); break;
    case NoteCell::Kind::Number: Lib().worksheet_write_number(sheet_, row_, column, cell.number, nullptr); break;
    case NoteCell::Kind::Time:
      Lib().worksheet_write_number(sheet_, row_, column, SerialTime(cell.time), book_.DateTime());
      break;
  }
}

std::string BookOutput::Open() {
  if (std::string unloaded; !xlsx::Load(unloaded)) return unloaded;
  file_.emplace();
  if (!file_->Error().empty()) return file_->Error();
  book_.emplace(file_->Name());
  if (!book_->Made()) return "the workbook cannot be made";
  return {};
}

bool BookOutput::Close(OutputSink& out, std::string& error) {
  if (std::string closed = book_->Close(); !closed.empty()) {
    error = "the workbook could not be written: " + closed;
    return false;
  }
  if (file_->CopyTo(out)) return true;
  error = file_->Error();
  return false;
}

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

void WriteNotes(Book& book, const TableSettings& settings, const WorkbookNotes& notes,
                const std::vector<std::pair<std::string, NoteCell>>& more, const NoteTable& columns,
                const std::vector<SheetSpan>& sheets) {
  lxw_worksheet* made = book.AddSheet("Channels");
  if (!made) return;
  NotesSheet sheet(book, made);
  for (const auto& [label, value] : notes.about) sheet.Line(label, value);
  sheet.Line("Times", NoteCell::Text(TimesText(settings.zone)));
  for (const auto& [label, value] : more) sheet.Line(label, value);
  sheet.Table(columns.title, columns.heads, columns.rows);
  std::vector<std::vector<NoteCell>> sheetRows;
  for (const SheetSpan& s : sheets)
    sheetRows.push_back({NoteCell::Text(s.name), NoteCell::Number(double(s.rows)),
                         s.rows ? NoteCell::Time(s.first) : NoteCell::Text(""),
                         s.rows ? NoteCell::Time(s.last) : NoteCell::Text("")});
  sheet.Table(sheets.size() > 1 ? "Sheets (the rows continue from sheet to sheet)" : "Sheets",
              {"Sheet", "Rows", "First time", "Last time"}, sheetRows);
  for (const NoteTable& table : notes.tables) sheet.Table(table.title, table.heads, table.rows);
}

}  // namespace zerb
