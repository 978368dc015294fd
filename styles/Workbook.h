#pragma once
// A Series as an .xlsx workbook of typed cells (libxlsxwriter, in its
// constant-memory mode: rows go to the file as they come, so memory stays
// flat whatever the length).
//
// Sheet "Data": a header row of the time columns and channel names (units
// inline, or in a second header row, as the settings say), frozen, with an
// autofilter; then one row per series row: the time as a date-time cell
// (the logger's civil time, the zone's, or UTC, as the settings' zone
// says), the offset from UTC as text in a column of its own where there is
// one (never as a time), and each channel's value as a number formatted
// with the channel's decimals; an empty cell where there is no valid value.
// A sheet holds at most SheetRows rows: the rows after those continue on
// "Data 2", "Data 3", ..., each with the header again.
//
// Sheet "Channels": the caller's notes (site, log, clocks), how the times
// are shown, one row per channel (column, id, kind, name, type, unit,
// exponent), the data sheets with their rows and spans, then the caller's
// tables (for a history: its logs, gaps and conflicts).
//
// Texts are UTF-8: the site file's 8-bit texts are read as Windows-1252.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "classic/OutputSink.h"
#include "series/Series.h"
#include "styles/TableSettings.h"
#include "styles/TableWriter.h"
#include "summary/SummaryRequest.h"

namespace zerb {

// One cell of the Channels sheet.
struct NoteCell {
  enum class Kind : uint8_t { Text, Number, Time };
  Kind kind = Kind::Text;
  std::string text;  // UTF-8
  double number = 0;
  int64_t time = 0;  // a clock reading in seconds since 1970-01-01, shown as a date and time

  static NoteCell Text(std::string text) { return {Kind::Text, std::move(text), 0, 0}; }
  static NoteCell Number(double number) { return {Kind::Number, {}, number, 0}; }
  static NoteCell Time(int64_t time) { return {Kind::Time, {}, 0, time}; }
};

// A titled table of the Channels sheet.
struct NoteTable {
  std::string title;
  std::vector<std::string> heads;
  std::vector<std::vector<NoteCell>> rows;
};

struct WorkbookNotes {
  std::vector<std::pair<std::string, NoteCell>> about;  // label and value, first on the sheet
  std::vector<NoteTable> tables;                        // after the channels and the sheets
};

// The rows of a sheet, its header included.
inline constexpr uint32_t SheetRows = 1'048'576;

// Writes the workbook to `out`. The result as WriteTable's; the rows'
// times are civil times. A library that cannot be loaded, a zone that is
// unknown or a workbook that cannot be made is status -1 with `error` set;
// nothing is written to `out` then.
TableResult WriteWorkbook(Series& series, const TableSettings& settings, const WorkbookNotes& notes, OutputSink& out);

// A summary per period (styles/SummaryTable.h) as a workbook: the Data
// sheet has the wide summary's columns ("Name [unit] stat"), one row per
// period: its start as a date-time cell, each figure a number with the
// decimals the text would have, an empty cell where it has none. The
// Channels sheet adds the period, the statistics and the coverage rule,
// and lists the columns. The result and its failures as WriteSummary's.
struct FoldedSummary;
TableResult WriteSummaryWorkbook(Series& series, const TableSettings& settings, const SummaryRequest& asked,
                                 const WorkbookNotes& notes, OutputSink& out, const FoldedSummary* folded = nullptr);

}  // namespace zerb
