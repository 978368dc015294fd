// Import: one log in one transaction. Its readings go in where the store
// has none at their time; where it has, the log with the newest end time
// keeps the reading, and a different raw count is kept as a conflict.

#include <algorithm>
#include <ctime>
#include <map>

#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "history/SqliteStatements.h"
#include "history/SqliteStore.h"

namespace zerb {

namespace {

struct StoredLog {
  LogRank rank;
  LogSpan span;
  std::string path;
};

struct StoredReading {
  uint32_t time;
  int16_t raw;
  int64_t import;
};

std::string UtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

// Fails the import with a message for the user when the store fails.
[[noreturn]] void StoreFailed(const std::string& path, const SqliteError& e) {
  throw StoreError("cannot write the store " + path + ": " + e.what());
}

}  // namespace

bool SqliteStore::Known(const std::string& hash) {
  SqliteStatement& known = sql_->knownHash;
  known.Bind(1, hash);
  const bool found = known.Step();
  known.Reset();
  return found;
}

ImportOutcome SqliteStore::Import(const std::string& logPath, const HistoryLogOptions& options) {
  ImportOutcome outcome;
  try {
    // A known log is found by its bytes alone, without decoding it.
    std::string error;
    const auto bytes = ReadWholeFile(logPath, error);
    if (!bytes) return outcome.reason = error, outcome;
    if (Known(ContentHash(*bytes))) return outcome.status = ImportStatus::Skipped, outcome;
    HistoryLog log;
    if (!log.Open(logPath, options)) return outcome.reason = log.Error(), outcome;
    outcome.warning = log.Warning();
    outcome.site = log.SiteNumber();
    SqliteTransaction transaction(*db_);
    if (Known(log.Hash())) return outcome.status = ImportStatus::Skipped, outcome;  // imported meanwhile

    // One clock per site: rows of PC and LAN times never share a series.
    const char* const timeBase = options.lanTime ? "LAN" : "PC";
    sql_->siteTimeBase.Bind(1, log.SiteNumber());
    const std::string storedBase = sql_->siteTimeBase.Step() ? sql_->siteTimeBase.Text(0) : timeBase;
    sql_->siteTimeBase.Reset();
    if (storedBase != timeBase) {
      outcome.reason = "site " + std::to_string(log.SiteNumber()) + " is kept on the " + storedBase +
                       " clock in this store" + (storedBase == "LAN" ? " (import with --lan)" : " (import without --lan)");
      return outcome;
    }
    const LogSpan span = log.Span();
    const bool siteKnown = log.Warning().empty();
    sql_->upsertSite.Bind(1, log.SiteNumber()).Bind(2, log.SiteName()).Bind(3, siteKnown ? span.last : 0).Run();
    SqliteStatement& add = sql_->insertImport;
    add.Bind(1, log.SiteNumber()).Bind(2, log.Hash()).Bind(3, logPath);
    if (const auto site = SiteFileFor(logPath); site && siteKnown)
      add.Bind(4, site->path);
    else
      add.BindNull(4);
    add.Bind(5, timeBase).Bind(6, span.first).Bind(7, span.last).Bind(8, span.interval);
    add.Bind(9, 0).Bind(10, UtcNow()).Run();
    const int64_t import = db_->LastInsertId();

    int64_t position = 0;
    for (const SeriesChannel& c : log.Channels()) {
      sql_->insertImportChannel.Bind(1, import).Bind(2, position++).Bind(3, KindCode(c.kind)).Bind(4, c.key);
      sql_->insertImportChannel.Bind(5, c.name).Run();
      sql_->upsertChannel.Bind(1, log.SiteNumber()).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, c.name);
      sql_->upsertChannel.Bind(5, c.typeName).Bind(6, std::string(1, c.unitsLetter)).Bind(7, c.exponent);
      sql_->upsertChannel.Bind(8, c.digital ? 1 : 0).Bind(9, span.last).Bind(10, log.Hash()).Run();
    }
    if (!ImportRows(log, import, outcome)) return outcome.reason = log.Rows().Error(), outcome;
    sql_->setCounts.Bind(1, import).Bind(2, static_cast<int64_t>(outcome.report.conflictCount));
    sql_->setCounts.Bind(3, static_cast<int64_t>(outcome.readings)).Run();
    transaction.Commit();
    outcome.status = ImportStatus::Imported;
    return outcome;
  } catch (const SqliteError& e) {
    StoreFailed(path_, e);
  }
}

namespace {

// The stored logs whose spans overlap the span.
std::map<int64_t, StoredLog> OverlappingLogs(SqliteStatement& overlapping, uint16_t site, int64_t self,
                                             const LogSpan& span) {
  std::map<int64_t, StoredLog> logs;
  overlapping.Bind(1, site).Bind(2, self).Bind(3, span.first).Bind(4, span.last);
  while (overlapping.Step()) {
    StoredLog& log = logs[overlapping.Int(0)];
    log.span = {static_cast<uint32_t>(overlapping.Int(1)), static_cast<uint32_t>(overlapping.Int(2)),
                static_cast<uint16_t>(overlapping.Int(3))};
    log.rank = {log.span.last, overlapping.Text(4)};
    log.path = overlapping.Text(5);
  }
  overlapping.Reset();
  return logs;
}

std::vector<ChannelId> ChannelsOfImport(SqliteStatement& importChannels, int64_t import) {
  std::vector<ChannelId> ids;
  importChannels.Bind(1, import);
  while (importChannels.Step())
    ids.push_back({KindFromCode(importChannels.Int(0)), static_cast<uint16_t>(importChannels.Int(1))});
  importChannels.Reset();
  return ids;
}

std::vector<StoredReading> StoredReadings(SqliteStatement& existing, uint16_t site, ChannelId id, const LogSpan& span) {
  std::vector<StoredReading> readings;
  existing.Bind(1, site).Bind(2, KindCode(id.kind)).Bind(3, id.key).Bind(4, span.first).Bind(5, span.last);
  while (existing.Step())
    readings.push_back({static_cast<uint32_t>(existing.Int(0)), static_cast<int16_t>(existing.Int(1)), existing.Int(2)});
  existing.Reset();
  return readings;
}

void BindReading(SqliteStatement& s, uint16_t site, ChannelId id, uint32_t time, const Reading& r, int64_t import) {
  s.Bind(1, site).Bind(2, KindCode(id.kind)).Bind(3, id.key).Bind(4, time).Bind(5, r.raw);
  if (r.valid)
    s.Bind(6, r.value);
  else
    s.BindNull(6);
  s.Bind(7, r.exponent).Bind(8, import);
}

}  // namespace

bool SqliteStore::ImportRows(HistoryLog& log, int64_t import, ImportOutcome& outcome) {
  const uint16_t site = log.SiteNumber();
  const LogSpan span = log.Span();
  const LogRank rank = log.Rank();
  std::map<int64_t, StoredLog> stored = OverlappingLogs(sql_->overlapping, site, import, span);

  // Off one grid: the newer log's rows win over its whole span.
  std::vector<LogSpan> dropped;
  for (const auto& [id, other] : stored) {
    const bool newer = other.rank > rank;
    const auto shift = newer ? GridShift(other.span, span) : GridShift(span, other.span);
    if (!shift) continue;
    outcome.report.offGrid.push_back(newer ? OffGridOverlap{other.path, log.Path(), *shift, other.span.interval, span.interval}
                                           : OffGridOverlap{log.Path(), other.path, *shift, span.interval, other.span.interval});
    if (newer) {
      dropped.push_back(other.span);
      continue;
    }
    for (ChannelId c : ChannelsOfImport(sql_->importChannels, id)) {
      sql_->deleteSpan.Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, span.first);
      sql_->deleteSpan.Bind(5, span.last).Bind(6, id).Run();
    }
  }

  const std::span<const SeriesChannel> channels = log.Channels();
  std::vector<std::vector<StoredReading>> before(channels.size());
  if (!stored.empty())
    for (std::size_t i = 0; i < channels.size(); ++i)
      before[i] = StoredReadings(sql_->existing, site, IdOf(channels[i]), span);
  std::vector<std::size_t> next(channels.size(), 0);
  const std::vector<bool> repeated = RepeatedChannels(channels);

  const int walked = log.Rows().ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    if (std::any_of(dropped.begin(), dropped.end(), [time](const LogSpan& s) { return time >= s.first && time <= s.last; }))
      return true;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i]) continue;
      const ChannelId id = IdOf(channels[i]);
      const Reading& r = readings[i];
      ++outcome.readings;
      std::size_t& k = next[i];
      while (k < before[i].size() && before[i][k].time < time) ++k;
      if (k == before[i].size() || before[i][k].time != time) {
        BindReading(sql_->insertReading, site, id, time, r, import);
        sql_->insertReading.Run();
        continue;
      }
      const StoredReading& old = before[i][k];
      const auto other = stored.find(old.import);
      const bool wins = other == stored.end() || rank > other->second.rank;
      if (old.raw != r.raw) {
        const int64_t kept = wins ? import : old.import, lost = wins ? old.import : import;
        sql_->insertConflict.Bind(1, site).Bind(2, KindCode(id.kind)).Bind(3, id.key).Bind(4, time);
        sql_->insertConflict.Bind(5, wins ? r.raw : old.raw).Bind(6, wins ? old.raw : r.raw).Bind(7, kept).Bind(8, lost).Run();
        const std::string otherPath = other == stored.end() ? std::string() : other->second.path;
        outcome.report.Add({id, time, wins ? r.raw : old.raw, wins ? old.raw : r.raw, wins ? log.Path() : otherPath,
                            wins ? otherPath : log.Path()});
      }
      if (wins) {
        BindReading(sql_->updateReading, site, id, time, r, import);
        sql_->updateReading.Run();
      }
    }
    return true;
  });
  return walked == 1;
}

}  // namespace zerb
