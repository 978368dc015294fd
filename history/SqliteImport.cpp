// Import into the SQLite store: the steps of the import plan
// (history/ImportPlan.h) as statements of this engine.

#include <algorithm>
#include <climits>
#include <ctime>
#include <map>

#include "history/ChannelTable.h"
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

ImportOutcome SqliteStore::Import(const std::string& logPath, const HistoryLogOptions& options,
                                  const StoredCall& stored) {
  try {
    // A transaction the plan leaves uncommitted (a skipped or refused log,
    // a failure) is rolled back on the way out.
    const struct EndTransaction {
      std::unique_ptr<SqliteTransaction>& open;
      ~EndTransaction() { open.reset(); }
    } end{transaction_};
    return ImportLog(*this, logPath, options, stored);
  } catch (const SqliteError& e) {
    StoreFailed(path_, e);
  }
}

void SqliteStore::Begin(uint32_t) { transaction_ = std::make_unique<SqliteTransaction>(*db_); }

void SqliteStore::Commit() {
  transaction_->Commit();
  transaction_.reset();
}

std::optional<std::string> SqliteStore::StoredTimeBase(uint32_t site) {
  SqliteStatement& siteTimeBase = sql_->writes->siteTimeBase;
  siteTimeBase.Bind(1, site);
  std::optional<std::string> stored;
  if (siteTimeBase.Step()) stored = siteTimeBase.Text(0);
  siteTimeBase.Reset();
  return stored;
}

int64_t SqliteStore::AddImport(HistoryLog& log, const std::string& timeBase, std::vector<int64_t>& meanings) {
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
  const int64_t import = db_->LastInsertId();
  for (const SeriesChannel& c : log.Channels()) meanings.push_back(MeaningId(log.SiteNumber(), c));
  int64_t position = 0;
  const std::vector<DeviceDescription> descriptions = log.Descriptions();
  for (std::size_t i = 0; i < meanings.size(); ++i) {
    const SeriesChannel& c = log.Channels()[i];
    const DeviceDescription& d = descriptions[i];
    const DescriptionSource source = log.Sources()[i];
    SqliteStatement& channelRow = sql_->writes->insertImportChannel;
    channelRow.Bind(1, import).Bind(2, position++).Bind(3, KindCode(c.kind)).Bind(4, c.key).Bind(5, c.name);
    channelRow.Bind(6, d.typeCode).Bind(7, d.expByte).Bind(8, static_cast<uint8_t>(d.unitsByte));
    channelRow.Bind(9, SourceName(source)).Bind(10, meanings[i]).Run();
    SqliteStatement& channel = sql_->writes->upsertChannel;
    channel.Bind(1, log.SiteNumber()).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, c.name);
    channel.Bind(5, c.typeName).Bind(6, std::string(1, c.unitsLetter)).Bind(7, c.exponent);
    channel.Bind(8, c.digital ? 1 : 0).Bind(9, source == DescriptionSource::Default ? INT64_MIN : span.last);
    channel.Bind(10, log.Hash()).Run();
  }
  return import;
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

std::vector<StoredConflict> SqliteStore::ConflictsIn(uint32_t site, const LogSpan& span) {
  std::vector<StoredConflict> conflicts;
  SqliteStatement& c = sql_->writes->conflictsIn;
  c.Bind(1, site).Bind(2, span.first).Bind(3, span.last);
  while (c.Step())
    conflicts.push_back({{KindFromCode(c.Int(0)), static_cast<uint16_t>(c.Int(1))}, c.Int(2),
                         static_cast<int16_t>(c.Int(3)), static_cast<int16_t>(c.Int(4)), c.Int(5), c.Int(6)});
  c.Reset();
  return conflicts;
}

std::vector<Holding> SqliteStore::HoldingsIn(uint32_t site, const LogSpan& span) {
  std::vector<Holding> holdings;
  SqliteStatement& in = sql_->writes->holdingsIn;
  in.Bind(1, site).Bind(2, span.first).Bind(3, span.last);
  while (in.Step())
    holdings.push_back({{KindFromCode(in.Int(0)), static_cast<uint16_t>(in.Int(1))}, in.Int(2), in.Int(3), in.Int(4)});
  in.Reset();
  return holdings;
}

void SqliteStore::ChangeHoldings(uint32_t site, const HoldingChanges& changes) {
  auto& w = *sql_->writes;
  for (const Holding& h : changes.removed)
    w.dropHolding.Bind(1, site).Bind(2, KindCode(h.id.kind)).Bind(3, h.id.key).Bind(4, h.first).Run();
  for (const Holding& h : changes.added) {
    w.addHolding.Bind(1, site).Bind(2, KindCode(h.id.kind)).Bind(3, h.id.key).Bind(4, h.first);
    w.addHolding.Bind(5, h.last).Bind(6, h.import).Run();
  }
}

void SqliteStore::DeleteReadings(uint32_t site, const std::vector<Holding>& ranges) {
  SqliteStatement& deleteSpan = sql_->writes->deleteSpan;
  for (const Holding& h : ranges)
    deleteSpan.Bind(1, site).Bind(2, KindCode(h.id.kind)).Bind(3, h.id.key).Bind(4, h.first).Bind(5, h.last).Run();
}

std::vector<StoredReading> SqliteStore::Existing(uint32_t site, std::span<const SeriesChannel> channels,
                                                 const LogSpan& span) {
  std::vector<StoredReading> before;
  SqliteStatement& existing = sql_->writes->existing;
  for (const SeriesChannel& c : channels) {
    existing.Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, span.first).Bind(5, span.last);
    while (existing.Step())
      before.push_back({IdOf(c), existing.Int(0), static_cast<int16_t>(existing.Int(1)), existing.Int(2),
                        !existing.IsNull(3), static_cast<int32_t>(existing.Int(3)),
                        static_cast<int8_t>(existing.Int(4)), existing.Int(5)});
    existing.Reset();
  }
  return before;
}

void SqliteStore::PutReading(ReadingJudge::Verdict verdict, uint32_t site, const SeriesChannel& channel, int64_t time,
                             const Reading& reading, int64_t import, int64_t meaning) {
  SqliteStatement& s =
      verdict == ReadingJudge::Verdict::Insert ? sql_->writes->insertReading : sql_->writes->updateReading;
  BindReading(s, site, IdOf(channel), time, reading, import, meaning);
  s.Run();
}

void SqliteStore::ReadingsDone(uint32_t, int64_t) {}

void SqliteStore::SetReadingCount(int64_t import, int64_t readings) {
  sql_->writes->setReadings.Bind(1, import).Bind(2, readings).Run();
}

std::vector<std::pair<int64_t, int64_t>> SqliteStore::HeldBy(uint32_t site, ChannelId id, int64_t import) {
  std::vector<std::pair<int64_t, int64_t>> ranges;
  SqliteStatement& of = sql_->writes->holdingsOf;
  of.Bind(1, site).Bind(2, KindCode(id.kind)).Bind(3, id.key).Bind(4, import);
  while (of.Step()) ranges.emplace_back(of.Int(0), of.Int(1));
  of.Reset();
  return ranges;
}

void SqliteStore::RedecodeStored(uint32_t site) {
  const std::vector<StoredChannel> rows = SiteChannels(site);
  auto& w = *sql_->writes;
  for (const Redecode& r : RedecodesOf(rows, BookOf(rows))) {
    const int64_t meaning = MeaningId(site, r.channel);
    const std::unique_ptr<TDev> device = DeviceFor(r.id, r.device);
    for (const auto& [first, last] : HeldBy(site, r.id, r.import)) {
      std::vector<int16_t> raws;
      w.rawsOf.Bind(1, site).Bind(2, KindCode(r.id.kind)).Bind(3, r.id.key).Bind(4, first).Bind(5, last);
      while (w.rawsOf.Step()) raws.push_back(static_cast<int16_t>(w.rawsOf.Int(0)));
      w.rawsOf.Reset();
      for (const int16_t raw : raws) {
        const Reading reading = ReadingOf(*device, raw);
        SqliteStatement& s = w.redecodeReadings;
        s.Bind(1, site).Bind(2, KindCode(r.id.kind)).Bind(3, r.id.key).Bind(4, first).Bind(5, raw);
        if (reading.valid)
          s.Bind(6, reading.value);
        else
          s.BindNull(6);
        s.Bind(7, reading.exponent).Bind(8, meaning).Bind(9, last).Run();
      }
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
