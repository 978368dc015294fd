#include "cli/HistoryNotes.h"

#include "cli/Arguments.h"
#include "cli/HistoryReport.h"
#include "history/Spans.h"
#include "styles/Windows1252.h"

namespace zerb {

namespace {

NoteTable LogTable(const std::vector<StoredLog>& logs, bool conflicts) {
  NoteTable table{"Logs", {"Log", "First time", "Last time", "Interval (s)"}, {}};
  if (conflicts) table.heads.push_back("Conflicts");
  for (const StoredLog& log : logs) {
    std::vector<NoteCell> row = {NoteCell::Text(Utf8Text(WithoutPasswords(log.path))), NoteCell::Time(log.span.first),
                                 NoteCell::Time(log.span.last), NoteCell::Number(log.span.interval)};
    if (conflicts) row.push_back(NoteCell::Number(double(log.conflicts)));
    table.rows.push_back(std::move(row));
  }
  return table;
}

NoteTable GapTable(const std::vector<Gap>& gaps) {
  NoteTable table{"Gaps", {"After", "Until", "Rows missing"}, {}};
  for (const Gap& gap : gaps)
    table.rows.push_back({NoteCell::Time(gap.after), NoteCell::Time(gap.before), NoteCell::Number(double(MissingRows(gap)))});
  return table;
}

NoteTable ConflictTable(const HistoryReport& report) {
  NoteTable table{"Conflicts: " + std::to_string(report.conflictCount) + " (the first are listed)",
                  {"Channel", "Time", "Kept raw", "From", "Other raw", "From"},
                  {}};
  for (const Conflict& c : report.conflicts)
    table.rows.push_back({NoteCell::Text(ChannelText(c.channel)), NoteCell::Time(c.time), NoteCell::Number(c.keptRaw),
                          NoteCell::Text(Utf8Text(c.keptLog)), NoteCell::Number(c.otherRaw),
                          NoteCell::Text(Utf8Text(c.otherLog))});
  return table;
}

}  // namespace

WorkbookNotes HistoryNotes(uint32_t site, const std::vector<StoredLog>& logs, bool logConflicts,
                           const std::vector<Gap>& gaps, const HistoryReport* report) {
  WorkbookNotes notes;
  notes.about = {{"Site", NoteCell::Number(site)}, {"Logs", NoteCell::Number(double(logs.size()))},
                 {"Gaps", NoteCell::Number(double(gaps.size()))}};
  notes.tables.push_back(LogTable(logs, logConflicts));
  notes.tables.push_back(GapTable(gaps));
  if (report) notes.tables.push_back(ConflictTable(*report));
  return notes;
}

}  // namespace zerb
