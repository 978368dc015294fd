#include "cli/RunSummary.h"

#include "app/CountedWords.h"
#include "app/Document.h"
#include "series/LogTime.h"

namespace zerb {

namespace {

std::string TimeOfRow(const TLog& log, uint32_t row) {
  const TLogTime time(log.StartTime() + uint32_t{log.Interval()} * row);
  std::string text(time.DateText());
  text += ' ';
  text += time.TimeText();
  return text;
}

std::string SiteUsed(const Document& document) {
  const OpenedLog& opened = document.Opened();
  if (!opened.site) return "no site file";
  if (!opened.siteFound) return "no site file (" + opened.site->path + " not found)";
  const std::string name(document.Site().NameText());
  return "site " + opened.site->path + (opened.siteLoaded ? " (" + name + ")" : " (incomplete)");
}

}  // namespace

std::string RunSummaryLine(const PlannedLog& entry, const Document& document, const ConvertOptions& options,
                           std::optional<uint64_t> selectedRows) {
  const TLog& log = document.Log();
  const WrittenRowRange rows = log.RowsWritten(options.overlap, options.skip);
  const bool selected = !options.selection.SelectsAll() && selectedRows;
  std::string line = "zerb32-cli: " + entry.log + ": " + Counted(log.GetEntryCount() + 1u, "row") + " read, " +
                     std::to_string(selected ? *selectedRows : rows.count) + " written";
  if (selected) line += " (the rows and channels selected)";
  if (!selected && rows.count > 0) line += " (" + TimeOfRow(log, rows.first) + " to " + TimeOfRow(log, rows.last) + ")";
  line += " into " + (entry.output == "-" ? std::string("standard output") : entry.output);
  return line + "; " + SiteUsed(document) + "\n";
}

}  // namespace zerb
