#include "history/ReadingJudge.h"

#include <algorithm>
#include <set>

#include "history/Spans.h"

namespace zerb {

ReadingJudge::ReadingJudge(int64_t import, const StoredImport& log, std::map<int64_t, StoredImport> stored,
                           std::vector<StoredReading> readings, const std::vector<StoredConflict>& conflicts)
    : import_(import), log_(log), stored_(std::move(stored)), readings_(std::move(readings)) {
  std::sort(readings_.begin(), readings_.end());
  for (const StoredConflict& c : conflicts) conflicts_[{c.id, c.time}].push_back(c);
}

std::vector<int64_t> ReadingJudge::Outranked() const {
  std::vector<int64_t> ids;
  for (const auto& [id, other] : stored_)
    if (log_.rank > other.rank && GridShift(log_.span, other.span)) ids.push_back(id);
  return ids;
}

bool ReadingJudge::Dropped(int64_t time) const {
  return std::any_of(stored_.begin(), stored_.end(), [&](const auto& s) {
    const StoredImport& other = s.second;
    return other.rank > log_.rank && time >= other.span.first && time <= other.span.last &&
           GridShift(other.span, log_.span);
  });
}

bool ReadingJudge::Holds(int64_t import, const StoredImport& log, ChannelId id, int64_t time) const {
  if (time < log.span.first || time > log.span.last) return false;
  if (log.span.interval == 0 ? time != log.span.first : (time - log.span.first) % log.span.interval != 0) return false;
  if (std::find(log.channels.begin(), log.channels.end(), id) == log.channels.end()) return false;
  auto offGridAbove = [&](const StoredImport& other) {
    return other.rank > log.rank && time >= other.span.first && time <= other.span.last &&
           GridShift(other.span, log.span);
  };
  if (offGridAbove(log_)) return false;
  return std::none_of(stored_.begin(), stored_.end(),
                      [&](const auto& s) { return s.first != import && offGridAbove(s.second); });
}

void ReadingJudge::Add(StoredConflict c, ConflictChanges& changes, HistoryReport& report) const {
  auto pathOf = [&](int64_t import) {
    if (import == import_) return log_.path;
    const auto found = stored_.find(import);
    return found == stored_.end() ? std::string() : found->second.path;
  };
  report.Add({c.id, c.time, c.keptRaw, c.otherRaw, pathOf(c.kept), pathOf(c.other)});
  ++changes.counts[c.kept];
  ++changes.counts[c.other];
  changes.added.push_back(c);
}

const StoredReading* ReadingJudge::Find(ChannelId id, int64_t time) const {
  const StoredReading key{id, time};
  const auto found = std::lower_bound(readings_.begin(), readings_.end(), key);
  return found == readings_.end() || !(*found == key) ? nullptr : &*found;
}

bool ReadingJudge::StoredBetween(ChannelId id, int64_t after, int64_t before) const {
  if (before - after < 2) return false;
  const auto next = std::upper_bound(readings_.begin(), readings_.end(), StoredReading{id, after});
  return next != readings_.end() && next->id == id && next->time < before;
}

ReadingJudge::Verdict ReadingJudge::Judge(ChannelId id, int64_t time, int16_t raw, ConflictChanges& changes,
                                          HistoryReport& report) {
  const StoredReading* found = Find(id, time);
  if (!found) return Verdict::Insert;
  const StoredReading& kept = *found;
  const auto keptLog = stored_.find(kept.import);
  if (keptLog != stored_.end() && keptLog->second.rank > log_.rank) {
    if (raw != kept.raw) Add({id, time, kept.raw, raw, kept.import, import_}, changes, report);
    return Verdict::Keep;
  }
  // The new log keeps the reading: every holder is judged against it.
  std::map<int64_t, int16_t> raws;  // holder -> raw count
  if (const auto at = conflicts_.find({id, time}); at != conflicts_.end()) {
    for (const StoredConflict& c : at->second) {
      raws[c.other] = c.otherRaw;
      --changes.counts[c.kept];
      --changes.counts[c.other];
      ++report.resolvedCount;
    }
    changes.cleared.push_back({id, time});
  }
  raws.try_emplace(kept.import, kept.raw);
  for (const auto& [import, log] : stored_)
    if (Holds(import, log, id, time)) raws.try_emplace(import, kept.raw);
  for (const auto& [import, holderRaw] : raws)
    if (holderRaw != raw) Add({id, time, raw, holderRaw, import_, import}, changes, report);
  return Verdict::Replace;
}

void DropConflictsOf(const std::vector<int64_t>& imports, std::vector<StoredConflict>& conflicts,
                     ConflictChanges& changes, HistoryReport& report) {
  auto involved = [&](const StoredConflict& c) {
    return std::find(imports.begin(), imports.end(), c.kept) != imports.end() ||
           std::find(imports.begin(), imports.end(), c.other) != imports.end();
  };
  std::set<std::pair<ChannelId, int64_t>> keys;
  for (const StoredConflict& c : conflicts)
    if (involved(c)) keys.insert({c.id, c.time});
  std::vector<StoredConflict> left;
  for (const StoredConflict& c : conflicts) {
    if (!keys.count({c.id, c.time})) {
      left.push_back(c);
      continue;
    }
    --changes.counts[c.kept];
    --changes.counts[c.other];
    ++report.resolvedCount;
  }
  changes.cleared.insert(changes.cleared.end(), keys.begin(), keys.end());
  conflicts = std::move(left);
}

}  // namespace zerb
