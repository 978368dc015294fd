// Import: one log in one transaction. Its readings go in where the store
// has none at their time; where it has, the log that ranks highest keeps
// the reading (ReadingJudge), and every log holding it with another raw
// count is a conflict. A log with a complete site file decodes again the
// stored logs its descriptions now apply to.

#include <algorithm>
#include <climits>
#include <ctime>
#include <map>

#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "history/SqliteStatements.h"
#include "history/SqliteStore.h"

namespace zerb {

namespace {

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

void BindReading(SqliteStatement& s, uint32_t site, ChannelId id, int64_t time, const Reading& r, int64_t import,
                 int64_t meaning) {
  s.Bind(1, site).Bind(2, KindCode(id.kind)).Bind(3, id.key).Bind(4, time).Bind(5, r.raw);
  if (r.valid)
    s.Bind(6, r.value);
  else
    s.BindNull(6);
  s.Bind(7, r.exponent).Bind(8, import).Bind(9, meaning);
}

}  // namespace

bool SqliteStore::Known(const HistoryLog& log) {
  SqliteStatement& known = sql_->knownHash;
  known.Bind(1, log.Hash()).Bind(2, log.LegacyHash());
  const bool found = known.Step();
  known.Reset();
  return found;
}

std::vector<StoredChannel> SqliteStore::SiteChannels(uint32_t site) {
  std::vector<StoredChannel> rows;
  SqliteStatement& s = sql_->siteChannelRows;
  s.Bind(1, site);
  while (s.Step()) {
    StoredChannel r;
    r.import = s.Int(0);
    r.span = {s.Int(1), s.Int(2), static_cast<uint16_t>(s.Int(3))};
    r.rank = {r.span.last, s.Text(4)};
    r.logPath = s.Text(5);
    r.channel.kind = KindFromCode(s.Int(6));
    r.channel.key = static_cast<uint16_t>(s.Int(7));
    r.channel.name = s.Text(8);
    r.channel.typeName = s.Text(9);
    const std::string units = s.Text(10);
    r.channel.unitsLetter = units.empty() ? ' ' : units[0];
    r.channel.exponent = static_cast<int>(s.Int(11));
    r.channel.digital = s.Int(12) != 0;
    r.source = SourceFromName(s.Text(13));
    if (!s.IsNull(14))
      r.device = DeviceDescription{r.channel.name, static_cast<uint8_t>(s.Int(14)), static_cast<int8_t>(s.Int(15)),
                                   static_cast<char>(s.Int(16))};
    r.meaning = s.Int(17);
    rows.push_back(std::move(r));
  }
  s.Reset();
  return rows;
}

int64_t SqliteStore::MeaningId(uint32_t site, const SeriesChannel& c) {
  for (SqliteStatement* s : {&sql_->writes->addMeaning, &sql_->writes->meaning}) {
    s->Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, c.typeName);
    s->Bind(5, std::string(1, c.unitsLetter)).Bind(6, c.exponent).Bind(7, c.digital ? 1 : 0);
  }
  sql_->writes->addMeaning.Run();
  SqliteStatement& found = sql_->writes->meaning;
  const int64_t id = found.Step() ? found.Int(0) : 0;
  found.Reset();
  return id;
}

ImportOutcome SqliteStore::Import(const std::string& logPath, const HistoryLogOptions& options) {
  ImportOutcome outcome;
  try {
    HistoryLog log;
    if (!log.Open(logPath, options)) return outcome.reason = log.Error(), outcome;
    outcome.site = log.SiteNumber();
    if (Known(log)) return outcome.status = ImportStatus::Skipped, outcome;
    SqliteTransaction transaction(*db_);
    if (Known(log)) return outcome.status = ImportStatus::Skipped, outcome;  // imported meanwhile

    // One clock per site: rows of PC and LAN times never share a series.
    const char* const timeBase = options.lanTime ? "LAN" : "PC";
    SqliteStatement& siteTimeBase = sql_->writes->siteTimeBase;
    siteTimeBase.Bind(1, log.SiteNumber());
    const std::string storedBase = siteTimeBase.Step() ? siteTimeBase.Text(0) : timeBase;
    siteTimeBase.Reset();
    if (storedBase != timeBase) {
      outcome.reason = "site " + std::to_string(log.SiteNumber()) + " is kept on the " + storedBase +
                       " clock in this store" + (storedBase == "LAN" ? " (import with --lan)" : " (import without --lan)");
      return outcome;
    }
    if (!log.Decode(BookOf(SiteChannels(log.SiteNumber())), "in the store")) return outcome.reason = log.Error(), outcome;
    outcome.warning = log.Warning();
    const int64_t import = AddImport(log, timeBase);
    std::vector<int64_t> meanings;
    for (const SeriesChannel& c : log.Channels()) meanings.push_back(MeaningId(log.SiteNumber(), c));
    int64_t position = 0;
    const std::vector<DeviceDescription> descriptions = log.Descriptions();
    for (std::size_t i = 0; i < meanings.size(); ++i) {
      const SeriesChannel& c = log.Channels()[i];
      const DeviceDescription& d = descriptions[i];
      const DescriptionSource source = log.Sources()[i];
      SqliteStatement& add = sql_->writes->insertImportChannel;
      add.Bind(1, import).Bind(2, position++).Bind(3, KindCode(c.kind)).Bind(4, c.key).Bind(5, c.name);
      add.Bind(6, d.typeCode).Bind(7, d.expByte).Bind(8, static_cast<uint8_t>(d.unitsByte));
      add.Bind(9, SourceName(source)).Bind(10, meanings[i]).Run();
      SqliteStatement& channel = sql_->writes->upsertChannel;
      channel.Bind(1, log.SiteNumber()).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, c.name);
      channel.Bind(5, c.typeName).Bind(6, std::string(1, c.unitsLetter)).Bind(7, c.exponent);
      channel.Bind(8, c.digital ? 1 : 0).Bind(9, source == DescriptionSource::Default ? INT64_MIN : log.Span().last);
      channel.Bind(10, log.Hash()).Run();
    }
    if (!ImportRows(log, import, meanings, outcome)) return outcome.reason = log.Rows().Error(), outcome;
    sql_->writes->setReadings.Bind(1, import).Bind(2, static_cast<int64_t>(outcome.readings)).Run();
    if (log.Quality() == SiteQuality::Complete) RedecodeStored(log.SiteNumber());
    transaction.Commit();
    outcome.status = ImportStatus::Imported;
    return outcome;
  } catch (const SqliteError& e) {
    StoreFailed(path_, e);
  }
}

int64_t SqliteStore::AddImport(HistoryLog& log, const std::string& timeBase) {
  const LogSpan span = log.Span();
  const bool complete = log.Quality() == SiteQuality::Complete;
  sql_->writes->upsertSite.Bind(1, log.SiteNumber()).Bind(2, complete ? log.SiteName() : std::string());
  sql_->writes->upsertSite.Bind(3, complete ? span.last : INT64_MIN).Run();
  SqliteStatement& add = sql_->writes->insertImport;
  add.Bind(1, log.SiteNumber()).Bind(2, log.Hash()).Bind(3, log.Path());
  if (log.SiteFile())
    add.Bind(4, *log.SiteFile());
  else
    add.BindNull(4);
  add.Bind(5, timeBase).Bind(6, span.first).Bind(7, span.last).Bind(8, span.interval);
  add.Bind(9, 0).Bind(10, UtcNow()).Bind(11, QualityName(log.Quality())).Run();
  return db_->LastInsertId();
}

std::map<int64_t, StoredImport> SqliteStore::OverlappingLogs(uint32_t site, int64_t self, const LogSpan& span) {
  std::map<int64_t, StoredImport> logs;
  SqliteStatement& overlapping = sql_->writes->overlapping;
  overlapping.Bind(1, site).Bind(2, self).Bind(3, span.first).Bind(4, span.last);
  while (overlapping.Step()) {
    StoredImport& log = logs[overlapping.Int(0)];
    log.span = {overlapping.Int(1), overlapping.Int(2), static_cast<uint16_t>(overlapping.Int(3))};
    log.rank = {log.span.last, overlapping.Text(4)};
    log.path = overlapping.Text(5);
  }
  overlapping.Reset();
  SqliteStatement& channels = sql_->writes->importChannels;
  for (auto& [id, log] : logs) {
    channels.Bind(1, id);
    while (channels.Step())
      log.channels.push_back({KindFromCode(channels.Int(0)), static_cast<uint16_t>(channels.Int(1))});
    channels.Reset();
  }
  return logs;
}

void SqliteStore::ApplyConflicts(uint32_t site, const ConflictChanges& changes) {
  auto& w = *sql_->writes;
  for (const auto& [id, time] : changes.cleared)
    w.clearConflicts.Bind(1, site).Bind(2, KindCode(id.kind)).Bind(3, id.key).Bind(4, time).Run();
  for (const StoredConflict& c : changes.added) {
    w.insertConflict.Bind(1, site).Bind(2, KindCode(c.id.kind)).Bind(3, c.id.key).Bind(4, c.time);
    w.insertConflict.Bind(5, c.keptRaw).Bind(6, c.otherRaw).Bind(7, c.kept).Bind(8, c.other).Run();
  }
  for (const auto& [import, delta] : changes.counts)
    if (delta != 0) w.addConflicts.Bind(1, import).Bind(2, delta).Run();
}

bool SqliteStore::ImportRows(HistoryLog& log, int64_t import, const std::vector<int64_t>& meanings,
                             ImportOutcome& outcome) {
  auto& w = *sql_->writes;
  const uint32_t site = log.SiteNumber();
  const LogSpan span = log.Span();
  const std::span<const SeriesChannel> channels = log.Channels();
  StoredImport self{log.Rank(), span, log.Path(), {}};
  for (const SeriesChannel& c : channels) self.channels.push_back(IdOf(c));
  std::map<int64_t, StoredImport> stored = OverlappingLogs(site, import, span);

  std::vector<StoredConflict> conflicts;
  if (!stored.empty()) {
    w.conflictsIn.Bind(1, site).Bind(2, span.first).Bind(3, span.last);
    while (w.conflictsIn.Step()) {
      SqliteStatement& c = w.conflictsIn;
      conflicts.push_back({{KindFromCode(c.Int(0)), static_cast<uint16_t>(c.Int(1))}, c.Int(2),
                           static_cast<int16_t>(c.Int(3)), static_cast<int16_t>(c.Int(4)), c.Int(5), c.Int(6)});
    }
    w.conflictsIn.Reset();
  }
  ConflictChanges changes;
  ReadingJudge first(import, self, stored, {}, {});
  // Off one grid: the higher-ranked log's rows win over its whole span.
  for (const auto& [id, other] : stored) {
    const bool newer = other.rank > self.rank;
    const auto shift = newer ? GridShift(other.span, span) : GridShift(span, other.span);
    if (!shift) continue;
    outcome.report.offGrid.push_back(newer ? OffGridOverlap{other.path, log.Path(), *shift, other.span.interval, span.interval}
                                           : OffGridOverlap{log.Path(), other.path, *shift, span.interval, other.span.interval});
  }
  const std::vector<int64_t> outranked = first.Outranked();
  DropConflictsOf(outranked, conflicts, changes, outcome.report);
  for (const int64_t id : outranked)
    for (ChannelId c : stored[id].channels) {
      w.deleteSpan.Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, span.first);
      w.deleteSpan.Bind(5, span.last).Bind(6, id).Run();
    }

  std::vector<StoredReading> before;
  if (!stored.empty())
    for (const SeriesChannel& c : channels) {
      w.existing.Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, span.first).Bind(5, span.last);
      while (w.existing.Step())
        before.push_back({IdOf(c), w.existing.Int(0), static_cast<int16_t>(w.existing.Int(1)), w.existing.Int(2)});
      w.existing.Reset();
    }
  ReadingJudge judge(import, self, std::move(stored), std::move(before), conflicts);
  const std::vector<bool> repeated = RepeatedChannels(channels);
  const int walked = log.Rows().ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    const int64_t time = log.TimeOf(clock);
    if (judge.Dropped(time)) return true;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i]) continue;
      const ChannelId id = IdOf(channels[i]);
      ++outcome.readings;
      switch (judge.Judge(id, time, readings[i].raw, changes, outcome.report)) {
        case ReadingJudge::Verdict::Insert:
          BindReading(w.insertReading, site, id, time, readings[i], import, meanings[i]);
          w.insertReading.Run();
          break;
        case ReadingJudge::Verdict::Replace:
          BindReading(w.updateReading, site, id, time, readings[i], import, meanings[i]);
          w.updateReading.Run();
          break;
        case ReadingJudge::Verdict::Keep:
          break;
      }
    }
    return true;
  });
  if (walked != 1) return false;
  ApplyConflicts(site, changes);
  return true;
}

void SqliteStore::RedecodeStored(uint32_t site) {
  const std::vector<StoredChannel> rows = SiteChannels(site);
  auto& w = *sql_->writes;
  for (const Redecode& r : RedecodesOf(rows, BookOf(rows))) {
    const int64_t meaning = MeaningId(site, r.channel);
    const std::unique_ptr<TDev> device = DeviceFor(r.id, r.device);
    std::vector<int16_t> raws;
    w.rawsOf.Bind(1, site).Bind(2, KindCode(r.id.kind)).Bind(3, r.id.key).Bind(4, r.import);
    while (w.rawsOf.Step()) raws.push_back(static_cast<int16_t>(w.rawsOf.Int(0)));
    w.rawsOf.Reset();
    for (const int16_t raw : raws) {
      const Reading reading = ReadingOf(*device, raw);
      SqliteStatement& s = w.redecodeReadings;
      s.Bind(1, site).Bind(2, KindCode(r.id.kind)).Bind(3, r.id.key).Bind(4, r.import).Bind(5, raw);
      if (reading.valid)
        s.Bind(6, reading.value);
      else
        s.BindNull(6);
      s.Bind(7, reading.exponent).Bind(8, meaning).Run();
    }
    SqliteStatement& c = w.redecodeChannel;
    c.Bind(1, r.import).Bind(2, KindCode(r.id.kind)).Bind(3, r.id.key).Bind(4, r.device.name);
    c.Bind(5, r.device.typeCode).Bind(6, r.device.expByte).Bind(7, static_cast<uint8_t>(r.device.unitsByte));
    c.Bind(8, meaning).Run();
    w.redecodeImport.Bind(1, r.import).Run();
    SqliteStatement& channel = w.upsertChannel;
    channel.Bind(1, site).Bind(2, KindCode(r.id.kind)).Bind(3, r.id.key).Bind(4, r.channel.name);
    channel.Bind(5, r.channel.typeName).Bind(6, std::string(1, r.channel.unitsLetter)).Bind(7, r.channel.exponent);
    channel.Bind(8, r.channel.digital ? 1 : 0).Bind(9, r.rank.end).Bind(10, r.rank.hash).Run();
  }
}

}  // namespace zerb
