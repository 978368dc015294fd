#pragma once
// The sheets of a workbook: the data sheets (a frozen header, then one row
// per time, continued on "Data 2", ... when a sheet is full) and the
// Channels sheet of notes. The library must be loaded.

#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "series/Series.h"
#include "styles/Workbook.h"
#include "styles/ZoneClock.h"
#include "styles/xlsx/WorkbookBook.h"
#include "styles/xlsx/WorkbookFile.h"

namespace zerb {

// A data sheet as the Channels sheet lists it.
struct SheetSpan {
  std::string name;
  uint64_t rows = 0;
  int64_t first = 0, last = 0;  // the times shown in its first and last row
};

// A number cell of a data row: empty when it has no value.
struct SheetNumber {
  std::optional<double> value;
  lxw_format* format = nullptr;
};

// Rows go to the current sheet, and to a new one with the same header once
// it is full. The time columns come first (the date-time, and the offset
// as text where the clock has one), then the `heads` given; `units` (one
// per head) make a second header row when `unitsRow`.
class DataSheets {
 public:
  DataSheets(Book& book, std::vector<std::string> heads, std::vector<std::string> units, bool unitsRow,
             ZoneClock& clock);

  // Writes a row of readings; false when the library refused a cell.
  bool Row(uint32_t civil, std::span<const Reading> readings);
  // Writes a row of numbers; false when the library refused a cell.
  bool Row(uint32_t civil, std::span<const SheetNumber> numbers);

  // Ends the last sheet; the sheets written, one even for no rows.
  const std::vector<SheetSpan>& Finish();
  uint32_t TimeColumnCount() const { return timeColumns_; }

 private:
  lxw_error StartRow(uint32_t civil);
  void Start();
  void Filter();
  const char* OffsetOf(const ShownTime& shown);

  Book& book_;
  ZoneClock& clock_;
  bool offsetColumn_;
  bool unitsRow_;
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
  NotesSheet(Book& book, lxw_worksheet* sheet);

  void Line(const std::string& label, const NoteCell& value);
  void Table(const std::string& title, const std::vector<std::string>& heads,
             const std::vector<std::vector<NoteCell>>& rows);

 private:
  void Put(lxw_col_t column, const NoteCell& cell);

  Book& book_;
  lxw_worksheet* sheet_;
  lxw_row_t row_ = 0;
};

// A workbook on its way to a sink: the library loaded, the book written to
// a temporary file, whose bytes go to the sink when it is closed.
class BookOutput {
 public:
  // Loads the library and makes the book; "" when made, else why not.
  std::string Open();
  Book& Made() { return *book_; }
  // Writes the book and hands it to `out`. False when it could not, with
  // `error` set where the book failed ("" when the sink refused it).
  bool Close(OutputSink& out, std::string& error);

 private:
  std::optional<WorkbookFile> file_;
  std::optional<Book> book_;
};

// How the settings' zone shows times, as a sentence for the notes.
std::string TimesText(const TimeZoneSetting& zone);
// The notes of the Channels sheet: the caller's lines, how times are shown
// and `more` lines, the `columns` table, the data sheets, then the
// caller's tables.
void WriteNotes(Book& book, const TableSettings& settings, const WorkbookNotes& notes,
                const std::vector<std::pair<std::string, NoteCell>>& more, const NoteTable& columns,
                const std::vector<SheetSpan>& sheets);

}  // namespace zerb
