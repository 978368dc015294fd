#include "cli/HistoryReport.h"

#include "app/CountedWords.h"
#include "cli/Arguments.h"
#include "series/CivilTime.h"
#include "history/Spans.h"
#include "styles/ZoneClock.h"

namespace zerb {

std::string ChannelText(ChannelId id) {
  static constexpr const char* kinds[] = {"sensor", "output", "ASM"};
  char key[8];
  std::snprintf(key, sizeof key, "0x%04X", unsigned{id.key});
  return std::string(kinds[static_cast<int>(id.kind)]) + " " + key;
}

void ReportOffGrid(std::FILE* out, const HistoryReport& report) {
  for (const OffGridOverlap& o : report.offGrid) {
    const std::string newer = WithoutPasswords(o.newerLog), older = WithoutPasswords(o.olderLog);
    std::fprintf(out, "zerb32-cli: %s and %s overlap off one grid (", newer.c_str(), older.c_str());
    if (o.newerInterval != o.olderInterval)
      std::fprintf(out, "intervals %u s and %u s, ", unsigned{o.newerInterval}, unsigned{o.olderInterval});
    std::fprintf(out, "shifted by %+d s); the rows of the newer, %s, are kept\n", o.shift, newer.c_str());
  }
}

void ReportConflicts(std::FILE* out, const HistoryReport& report, bool list) {
  if (report.resolvedCount > 0)
    std::fprintf(out, "zerb32-cli: %s no longer stand%s: a newer log keeps those readings\n",
                 Counted(report.resolvedCount, "earlier conflict").c_str(), report.resolvedCount == 1 ? "s" : "");
  if (report.conflictCount == 0) return;
  std::fprintf(out, "zerb32-cli: %s held by several logs with different raw counts; the newest log's kept%s\n",
               Counted(report.conflictCount, "reading").c_str(), list ? ":" : " (-v lists the first)");
  if (!list) return;
  for (const Conflict& c : report.conflicts)
    std::fprintf(out, "  %s at %s: %d from %s, not %d from %s\n", ChannelText(c.channel).c_str(),
                 IsoText(c.time).c_str(), c.keptRaw, WithoutPasswords(c.keptLog).c_str(), c.otherRaw,
                 WithoutPasswords(c.otherLog).c_str());
}

void ReportGaps(std::FILE* out, const std::vector<Gap>& gaps, bool filled, bool list) {
  if (gaps.empty()) return;
  std::fprintf(out, "zerb32-cli: %s in the series%s%s\n", Counted(gaps.size(), "gap").c_str(),
               filled ? ", filled with empty rows" : "", list ? ":" : " (-v lists them)");
  if (!list) return;
  for (const Gap& gap : gaps) std::fprintf(out, "  %s\n", GapText(gap).c_str());
}

}  // namespace zerb
