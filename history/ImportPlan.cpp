#include "history/ImportPlan.h"

#include <algorithm>

#include "app/TemporaryNames.h"
#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "history/StoreZone.h"

namespace zerb {

namespace {

std::string ClockRefusal(uint32_t site, const std::string& storedBase) {
  return "site " + std::to_string(site) + " is kept on the " + storedBase + " clock in this store" +
         (storedBase == "LAN" ? " (import with --lan)" : " (import without --lan)");
}

// Off one grid: the higher-ranked log's rows win over its whole span.
void ReportOffGrid(const HistoryLog& log, const StoredImport& self, const std::map<int64_t, StoredImport>& stored,
                   HistoryReport& report) {
  const LogSpan& span = self.span;
  for (const auto& [id, other] : stored) {
    const bool newer = other.rank > self.rank;
    const auto shift = newer ? GridShift(other.span, span) : GridShift(span, other.span);
    if (!shift) continue;
    report.offGrid.push_back(newer ? OffGridOverlap{other.path, log.Path(), *shift, other.span.interval, span.interval}
                                   : OffGridOverlap{log.Path(), other.path, *shift, span.interval, other.span.interval});
  }
}

// The ranges `import` holds within the span.
std::vector<Holding> WithinSpan(const std::vector<Holding>& holdings, int64_t import, const LogSpan& span) {
  std::vector<Holding> ranges;
  for (const Holding& h : holdings)
    if (h.import == import && h.last >= span.first && h.first <= span.last)
      ranges.push_back({h.id, std::max(h.first, span.first), std::min(h.last, span.last), import});
  return ranges;
}

// The stored reading is the one the log would write.
bool SameReading(const StoredReading& stored, const Reading& r, int64_t meaning) {
  return stored.raw == r.raw && stored.valid == r.valid && (!r.valid || stored.value == r.value) &&
         stored.exponent == r.exponent && stored.meaning == meaning;
}

bool ImportRows(ImportEngine& engine, HistoryLog& log, int64_t import, const std::vector<int64_t>& meanings,
                ImportOutcome& outcome) {
  const uint32_t site = log.SiteNumber();
  const LogSpan span = log.Span();
  const std::span<const SeriesChannel> channels = log.Channels();
  StoredImport self{log.Rank(), span, log.Path(), {}};
  for (const SeriesChannel& c : channels) self.channels.push_back(IdOf(c));
  std::map<int64_t, StoredImport> stored = engine.OverlappingLogs(site, import, span);
  std::vector<StoredConflict> conflicts;
  std::vector<StoredReading> before;
  std::vector<Holding> holdings;
  ConflictChanges changes;
  if (!stored.empty()) {
    conflicts = engine.ConflictsIn(site, span);
    holdings = engine.HoldingsIn(site, span);
    ReportOffGrid(log, self, stored, outcome.report);
    const std::vector<int64_t> outranked = ReadingJudge(import, self, stored, {}, {}).Outranked();
    DropConflictsOf(outranked, conflicts, changes, outcome.report);
    for (const int64_t id : outranked)
      if (auto ranges = WithinSpan(holdings, id, span); !ranges.empty()) engine.DeleteReadings(site, ranges);
    before = engine.Existing(site, channels, span);
    const HoldingIndex holders(holdings);
    for (StoredReading& r : before) r.import = holders.HolderOf(r.id, r.time).value_or(r.import);
  }
  ReadingJudge judge(import, self, std::move(stored), std::move(before), conflicts);
  HeldRuns runs(import);
  const std::vector<bool> repeated = RepeatedChannels(channels);  // a slot listed twice is read once
  uint64_t row = 0;
  const int walked = log.Rows().ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    const int64_t time = log.TimeOf(clock);
    ++row;
    if (judge.Dropped(time)) return true;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i]) continue;
      ++outcome.readings;
      const ChannelId id = IdOf(channels[i]);
      const auto verdict = judge.Judge(id, time, readings[i].raw, changes, outcome.report);
      if (verdict == ReadingJudge::Verdict::Keep) continue;
      const auto last = runs.LastOf(i);
      runs.Held(i, id, time, row, last && judge.StoredBetween(id, *last, time));
      const StoredReading* kept = verdict == ReadingJudge::Verdict::Replace ? judge.Find(id, time) : nullptr;
      if (!kept || !SameReading(*kept, readings[i], meanings[i]))
        engine.PutReading(verdict, site, channels[i], time, readings[i], import, meanings[i]);
    }
    return true;
  });
  if (walked != 1) return false;
  engine.ReadingsDone(site, import);
  engine.ChangeHoldings(site, TakeOver(holdings, runs.Done()));
  engine.ApplyConflicts(site, changes);
  return true;
}

}  // namespace

ImportOutcome ImportLog(ImportEngine& engine, const std::string& logPath, const HistoryLogOptions& options,
                        const Store::StoredCall& stored) {
  ImportOutcome outcome;
  HistoryLog log;
  if (!log.Open(logPath, options)) return outcome.reason = log.Error(), outcome;
  const uint32_t site = log.SiteNumber();
  outcome.site = site;
  outcome.span = log.Span();
  if (engine.Known(log)) return outcome.status = ImportStatus::Skipped, outcome;
  engine.Begin(site);
  if (engine.Known(log)) return outcome.status = ImportStatus::Skipped, outcome;  // imported meanwhile
  // One clock per site: rows of PC and LAN times never share a series.
  const std::string timeBase = options.lanTime ? "LAN" : "PC";
  if (const auto storedBase = engine.StoredTimeBase(site); storedBase && *storedBase != timeBase)
    return outcome.reason = ClockRefusal(site, *storedBase), outcome;
  const std::string zone = engine.SiteZone(site);
  if (!zone.empty() && !options.zone.empty() && options.zone != zone)
    return outcome.reason = ZoneRefusal(site, zone, options.zone), outcome;
  if (!log.Decode(BookOf(engine.SiteChannels(site)), "in the store")) return outcome.reason = log.Error(), outcome;
  outcome.warning = log.Warning();
  std::vector<int64_t> meanings;
  const int64_t import = engine.AddImport(log, timeBase, meanings);
  if (!ImportRows(engine, log, import, meanings, outcome)) return outcome.reason = log.Rows().Error(), outcome;
  engine.SetReadingCount(import, static_cast<int64_t>(outcome.readings));
  if (std::string unplaced = PlaceInZone(engine, site, zone.empty() ? options.zone : zone); !unplaced.empty())
    return outcome.reason = unplaced, outcome;
  if (log.Quality() == SiteQuality::Complete) engine.RedecodeStored(site);
  engine.LabelMeanings(site);
  const auto whole = HoldOffEnding();  // the commit and what is said of it
  engine.Commit();
  outcome.status = ImportStatus::Imported;
  if (stored) stored(outcome);
  return outcome;
}

ChannelKind KindFromCode(int64_t code) {
  return code == 1 ? ChannelKind::Output : code == 2 ? ChannelKind::Asm : ChannelKind::Sensor;
}

}  // namespace zerb
