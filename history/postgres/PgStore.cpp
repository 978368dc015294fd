// Opening the store on PostgreSQL, and import: one log in one transaction,
// under the site's advisory lock. The stored readings and conflicts in the
// log's span are read, ReadingJudge decides each reading as in the SQLite
// store, and the readings that go in reach a temporary staging table by
// COPY, merged by one INSERT ... ON CONFLICT.

#include "history/postgres/PgStore.h"

#include <charconv>
#include <map>

#include "app/Paths.h"
#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "history/SqliteStore.h"
#include "history/postgres/PgStatements.h"
#include "history/postgres/PgStoreOpen.h"
#include "history/postgres/PgText.h"

namespace zerb {
namespace {

std::string Number(int64_t number) { return std::to_string(number); }

// Rolls the open transaction back unless it was committed (or the
// connection is gone, when the server has rolled it back).
class Transaction {
 public:
  explicit Transaction(PgConnection& connection) : connection_(connection) {}
  ~Transaction() {
    if (!committed_ && !connection_.Lost()) connection_.Exec("ROLLBACK");
  }
  void Committed() { committed_ = true; }

 private:
  PgConnection& connection_;
  bool committed_ = false;
};

// A PostgreSQL array literal of texts: {"a","b"} with '"' and '\' escaped.
std::string TextArray(const std::vector<std::string>& items) {
  std::string array = "{";
  for (const std::string& item : items) {
    if (array.size() > 1) array += ',';
    array += '"';
    for (const char c : item) {
      if (c == '"' || c == '\\') array += '\\';
      array += c;
    }
    array += '"';
  }
  return array + "}";
}

void AppendField(std::string& out, int64_t number, char after) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, number).ptr;
  out.append(text, end);
  out += after;
}

// An array literal whose "NULL" items are NULL.
std::string NullableArray(const std::vector<std::string>& items) {
  std::string array = "{";
  for (const std::string& item : items) array += (array.size() > 1 ? "," : "") + item;
  return array + "}";
}

}  // namespace

bool PostgresStoresAvailable() { return true; }

std::unique_ptr<Store> OpenPostgresStore(const std::string& address, StoreAccess access) {
  return std::make_unique<PgStore>(address, access);
}

PgStore::PgStore(const std::string& address, StoreAccess access) {
  std::string error;
  connection_ = PgConnection::Open(address, error);
  if (!connection_) throw StoreError(error);
  Run("SET client_encoding TO 'UTF8'", {}, "open");
  PreparePgStore(*connection_, access);
  if (access == StoreAccess::ReadOnly) Run("SET default_transaction_read_only TO on", {}, "open");
  if (access == StoreAccess::Write) Run(pg::kCreateStaging, {}, "open");
}

PgStore::~PgStore() = default;

PgResult PgStore::Run(const std::string& sql, const PgParams& params, const char* doing) {
  PgResult result = connection_->Exec(sql, params);
  if (result.Ok()) return result;
  if (connection_->Lost())
    throw StoreError("lost the connection to the PostgreSQL store " + connection_->Address() + " (" +
                     result.Error() + ")");
  throw StoreError(std::string("cannot ") + doing + " the PostgreSQL store " + connection_->Address() + ": " +
                   result.Error());
}

bool PgStore::Known(const HistoryLog& log) {
  return Run(pg::kKnownHash, {log.Hash(), log.LegacyHash()}, "read").Rows() > 0;
}

std::string PgStore::ClockRefusal(const std::string& site, const std::string& timeBase) {
  PgResult stored = Run(pg::kSiteTimeBase, {site}, "read");
  const std::string storedBase = stored.Rows() > 0 ? std::string(stored.Text(0, 0)) : timeBase;
  if (storedBase == timeBase) return {};
  return "site " + site + " is kept on the " + storedBase + " clock in this store" +
         (storedBase == "LAN" ? " (import with --lan)" : " (import without --lan)");
}

std::vector<StoredChannel> PgStore::SiteChannels(uint32_t site) {
  std::vector<StoredChannel> rows;
  PgResult s = Run(pg::kSiteChannelRows, {Number(site)}, "read");
  for (int row = 0; row < s.Rows(); ++row) {
    StoredChannel r;
    r.import = s.Integer(row, 0);
    r.span = {s.Integer(row, 1), s.Integer(row, 2), static_cast<uint16_t>(s.Integer(row, 3))};
    r.rank = {r.span.last, std::string(s.Text(row, 4))};
    r.logPath = s.Text(row, 5);
    r.channel.kind = KindFromCode(s.Integer(row, 6));
    r.channel.key = static_cast<uint16_t>(s.Integer(row, 7));
    r.channel.name = Utf8ToLatin1(s.Text(row, 8));
    r.channel.typeName = Utf8ToLatin1(s.Text(row, 9));
    const std::string units = Utf8ToLatin1(s.Text(row, 10));
    r.channel.unitsLetter = units.empty() ? ' ' : units[0];
    r.channel.exponent = static_cast<int>(s.Integer(row, 11));
    r.channel.digital = s.Text(row, 12) == "t";
    r.source = SourceFromName(s.Text(row, 13));
    if (!s.IsNull(row, 14))
      r.device = DeviceDescription{r.channel.name, static_cast<uint8_t>(s.Integer(row, 14)),
                                   static_cast<int8_t>(s.Integer(row, 15)), static_cast<char>(s.Integer(row, 16))};
    r.meaning = s.Integer(row, 17);
    rows.push_back(std::move(r));
  }
  return rows;
}

int64_t PgStore::MeaningId(uint32_t site, const SeriesChannel& c) {
  const PgParams params = {Number(site),
                           Number(KindCode(c.kind)),
                           Number(c.key),
                           Latin1ToUtf8(c.typeName),
                           Latin1ToUtf8(std::string(1, c.unitsLetter)),
                           Number(c.exponent),
                           c.digital ? "t" : "f"};
  Run(pg::kAddMeaning, params, "write");
  return Run(pg::kMeaning, params, "read").Integer(0, 0);
}

int64_t PgStore::AddImport(HistoryLog& log, const std::string& timeBase, const PgParams& siteRow,
                           std::vector<int64_t>& meanings) {
  const std::string& site = *siteRow[0];
  const LogSpan span = log.Span();
  Run(pg::kInsertSite, siteRow, "write");
  std::optional<std::string> siteFile;
  if (log.SiteFile()) siteFile = PathText(*log.SiteFile());
  const PgParams importRow = {site,     log.Hash(),         PathText(log.Path()), siteFile,
                              timeBase, Number(span.first), Number(span.last),    Number(span.interval),
                              std::string(QualityName(log.Quality()))};
  const int64_t import = Run(pg::kInsertImport, importRow, "write").Integer(0, 0);
  const std::span<const SeriesChannel> channels = log.Channels();
  const std::vector<DeviceDescription> devices = log.Descriptions();
  std::vector<std::string> kinds, keys, names, typeCodes, expBytes, unitsBytes, sources, meaningIds, types, units,
      exponents, digital, ends;
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const SeriesChannel& c = channels[i];
    meanings.push_back(MeaningId(log.SiteNumber(), c));
    kinds.push_back(Number(KindCode(c.kind)));
    keys.push_back(Number(c.key));
    names.push_back(Latin1ToUtf8(c.name));
    typeCodes.push_back(Number(devices[i].typeCode));
    expBytes.push_back(Number(devices[i].expByte));
    unitsBytes.push_back(Number(static_cast<uint8_t>(devices[i].unitsByte)));
    sources.push_back(std::string(SourceName(log.Sources()[i])));
    meaningIds.push_back(Number(meanings.back()));
    types.push_back(Latin1ToUtf8(c.typeName));
    units.push_back(Latin1ToUtf8(std::string(1, c.unitsLetter)));
    exponents.push_back(Number(c.exponent));
    digital.push_back(c.digital ? "t" : "f");
    ends.push_back(Number(log.Sources()[i] == DescriptionSource::Default ? INT64_MIN : span.last));
  }
  Run(pg::kInsertImportChannels,
      {Number(import), TextArray(kinds), TextArray(keys), TextArray(names), TextArray(typeCodes), TextArray(expBytes),
       TextArray(unitsBytes), TextArray(sources), TextArray(meaningIds)},
      "write");
  Run(pg::kUpsertChannels,
      {site, TextArray(kinds), TextArray(keys), TextArray(names), TextArray(types), TextArray(units),
       TextArray(exponents), TextArray(digital), TextArray(ends), log.Hash()},
      "write");
  return import;
}

ImportOutcome PgStore::Import(const std::string& logPath, const HistoryLogOptions& options) {
  ImportOutcome outcome;
  HistoryLog log;
  if (!log.Open(logPath, options)) return outcome.reason = log.Error(), outcome;
  outcome.site = log.SiteNumber();
  if (Known(log)) return outcome.status = ImportStatus::Skipped, outcome;
  bool committing = false;
  try {
    Run("BEGIN", {}, "write");
    Transaction transaction(*connection_);
    const std::string site = Number(log.SiteNumber());
    // Importers of one site take turns, so each sees the logs stored before
    // it whole; importers of other sites go on at once.
    Run(pg::kLockSite, {Number(PgLockSpace), Number(static_cast<int32_t>(log.SiteNumber()))}, "write");
    if (Known(log)) return outcome.status = ImportStatus::Skipped, outcome;  // imported meanwhile
    // One clock per site: rows of PC and LAN times never share a series.
    const std::string timeBase = options.lanTime ? "LAN" : "PC";
    if (outcome.reason = ClockRefusal(site, timeBase); !outcome.reason.empty()) return outcome;
    if (!log.Decode(BookOf(SiteChannels(log.SiteNumber())), "in the store")) return outcome.reason = log.Error(), outcome;
    outcome.warning = log.Warning();

    const bool complete = log.Quality() == SiteQuality::Complete;
    const PgParams siteRow = {site, Latin1ToUtf8(complete ? log.SiteName() : std::string()),
                              Number(complete ? log.Span().last : INT64_MIN)};
    std::vector<int64_t> meanings;
    const int64_t import = AddImport(log, timeBase, siteRow, meanings);
    if (!ImportRows(log, import, meanings, outcome)) return outcome.reason = log.Rows().Error(), outcome;
    Run(pg::kSetReadings, {Number(import), Number(static_cast<int64_t>(outcome.readings))}, "write");
    if (complete) RedecodeStored(log.SiteNumber());
    // The site's name from the newest log; its row is locked last, so for
    // the shortest time.
    Run(pg::kUpdateSiteName, siteRow, "write");
    committing = true;
    Run("COMMIT", {}, "write");
    transaction.Committed();
    outcome.status = ImportStatus::Imported;
    return outcome;
  } catch (const StoreError& e) {
    if (!connection_->Lost()) throw;
    // Lost before COMMIT: the server rolled the log back. Lost during it:
    // the answer never came.
    const std::string fate = committing ? "whether " + logPath + " was stored is unknown (import it again: a stored "
                                          "log is skipped)"
                                        : "nothing of " + logPath + " was stored";
    throw StoreLost(std::string(e.what()) + "; " + fate);
  }
}

std::map<int64_t, StoredImport> PgStore::OverlappingLogs(uint32_t site, int64_t self, const LogSpan& span) {
  std::map<int64_t, StoredImport> logs;
  PgResult overlapping =
      Run(pg::kOverlapping, {Number(site), Number(self), Number(span.first), Number(span.last)}, "read");
  std::vector<std::string> ids;
  for (int row = 0; row < overlapping.Rows(); ++row) {
    StoredImport& other = logs[overlapping.Integer(row, 0)];
    other.span = {overlapping.Integer(row, 1), overlapping.Integer(row, 2),
                  static_cast<uint16_t>(overlapping.Integer(row, 3))};
    other.rank = {other.span.last, std::string(overlapping.Text(row, 4))};
    other.path = overlapping.Text(row, 5);
    ids.push_back(Number(overlapping.Integer(row, 0)));
  }
  if (logs.empty()) return logs;
  PgResult channels = Run(pg::kChannelsOfImports, {TextArray(ids)}, "read");
  for (int row = 0; row < channels.Rows(); ++row)
    logs[channels.Integer(row, 0)].channels.push_back(
        {KindFromCode(channels.Integer(row, 1)), static_cast<uint16_t>(channels.Integer(row, 2))});
  return logs;
}

void PgStore::ApplyConflicts(uint32_t site, const ConflictChanges& changes) {
  if (!changes.cleared.empty()) {
    std::vector<std::string> kinds, keys, times;
    for (const auto& [id, time] : changes.cleared) {
      kinds.push_back(Number(KindCode(id.kind)));
      keys.push_back(Number(id.key));
      times.push_back(Number(time));
    }
    Run(pg::kClearConflicts, {Number(site), TextArray(kinds), TextArray(keys), TextArray(times)}, "write");
  }
  if (!changes.added.empty()) {
    std::vector<std::string> kinds, keys, times, keptRaws, otherRaws, kept, other;
    for (const StoredConflict& c : changes.added) {
      kinds.push_back(Number(KindCode(c.id.kind)));
      keys.push_back(Number(c.id.key));
      times.push_back(Number(c.time));
      keptRaws.push_back(Number(c.keptRaw));
      otherRaws.push_back(Number(c.otherRaw));
      kept.push_back(Number(c.kept));
      other.push_back(Number(c.other));
    }
    Run(pg::kInsertConflicts,
        {Number(site), TextArray(kinds), TextArray(keys), TextArray(times), TextArray(keptRaws), TextArray(otherRaws),
         TextArray(kept), TextArray(other)},
        "write");
  }
  std::vector<std::string> ids, deltas;
  for (const auto& [import, delta] : changes.counts)
    if (delta != 0) ids.push_back(Number(import)), deltas.push_back(Number(delta));
  if (!ids.empty()) Run(pg::kAddConflictCounts, {TextArray(ids), TextArray(deltas)}, "write");
}

bool PgStore::ImportRows(HistoryLog& log, int64_t import, const std::vector<int64_t>& meanings,
                         ImportOutcome& outcome) {
  const uint32_t siteNumber = log.SiteNumber();
  const std::string site = Number(siteNumber);
  const LogSpan span = log.Span();
  const std::span<const SeriesChannel> channels = log.Channels();
  StoredImport self{log.Rank(), span, log.Path(), {}};
  std::vector<std::string> kinds, keys;
  for (const SeriesChannel& c : channels) {
    self.channels.push_back(IdOf(c));
    kinds.push_back(Number(KindCode(c.kind)));
    keys.push_back(Number(c.key));
  }
  std::map<int64_t, StoredImport> stored = OverlappingLogs(siteNumber, import, span);
  std::vector<StoredConflict> conflicts;
  std::vector<StoredReading> before;
  ConflictChanges changes;
  if (!stored.empty()) {
    PgResult c = Run(pg::kConflictsIn, {site, Number(span.first), Number(span.last)}, "read");
    for (int row = 0; row < c.Rows(); ++row)
      conflicts.push_back({{KindFromCode(c.Integer(row, 0)), static_cast<uint16_t>(c.Integer(row, 1))},
                           c.Integer(row, 2), static_cast<int16_t>(c.Integer(row, 3)),
                           static_cast<int16_t>(c.Integer(row, 4)), c.Integer(row, 5), c.Integer(row, 6)});
    // Off one grid: the higher-ranked log's rows win over its whole span.
    for (const auto& [id, other] : stored) {
      const bool newer = other.rank > self.rank;
      const auto shift = newer ? GridShift(other.span, span) : GridShift(span, other.span);
      if (!shift) continue;
      outcome.report.offGrid.push_back(
          newer ? OffGridOverlap{other.path, log.Path(), *shift, other.span.interval, span.interval}
                : OffGridOverlap{log.Path(), other.path, *shift, span.interval, other.span.interval});
    }
    const std::vector<int64_t> outranked = ReadingJudge(import, self, stored, {}, {}).Outranked();
    DropConflictsOf(outranked, conflicts, changes, outcome.report);
    for (const int64_t id : outranked)
      Run(pg::kDeleteSpan, {site, Number(id), Number(span.first), Number(span.last)}, "write");
    PgResult r = Run(pg::kExisting, {site, Number(span.first), Number(span.last), TextArray(kinds), TextArray(keys)},
                     "read");
    for (int row = 0; row < r.Rows(); ++row)
      before.push_back({{KindFromCode(r.Integer(row, 0)), static_cast<uint16_t>(r.Integer(row, 1))}, r.Integer(row, 2),
                        static_cast<int16_t>(r.Integer(row, 3)), r.Integer(row, 4)});
  }
  ReadingJudge judge(import, self, std::move(stored), std::move(before), conflicts);

  // The readings that go in, in COPY's text format: kind, key, time, raw,
  // value (\N when the device gives none), exponent, meaning.
  const std::vector<bool> repeated = RepeatedChannels(channels);  // a slot listed twice is read once
  std::string data;
  const int walked = log.Rows().ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    const int64_t time = log.TimeOf(clock);
    if (judge.Dropped(time)) return true;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i]) continue;
      const Reading& r = readings[i];
      ++outcome.readings;
      if (judge.Judge(IdOf(channels[i]), time, r.raw, changes, outcome.report) == ReadingJudge::Verdict::Keep) continue;
      AppendField(data, KindCode(channels[i].kind), '\t');
      AppendField(data, channels[i].key, '\t');
      AppendField(data, time, '\t');
      AppendField(data, r.raw, '\t');
      if (r.valid)
        AppendField(data, r.value, '\t');
      else
        data += "\\N\t";
      AppendField(data, r.exponent, '\t');
      AppendField(data, meanings[i], '\n');
    }
    return true;
  });
  if (walked != 1) return false;
  if (const std::string copyError = connection_->CopyIn(pg::kCopyStaging, data); !copyError.empty()) {
    if (connection_->Lost())
      throw StoreError("lost the connection to the PostgreSQL store " + connection_->Address() + " (" + copyError + ")");
    throw StoreError("cannot write the PostgreSQL store " + connection_->Address() + ": " + copyError);
  }
  Run(pg::kMergeReadings, {site, Number(import)}, "write");
  ApplyConflicts(siteNumber, changes);
  return true;
}

void PgStore::RedecodeStored(uint32_t siteNumber) {
  const std::vector<StoredChannel> rows = SiteChannels(siteNumber);
  const std::string site = Number(siteNumber);
  for (const Redecode& r : RedecodesOf(rows, BookOf(rows))) {
    const std::string meaning = Number(MeaningId(siteNumber, r.channel));
    const std::unique_ptr<TDev> device = DeviceFor(r.id, r.device);
    const PgParams which = {site, Number(KindCode(r.id.kind)), Number(r.id.key), Number(r.import)};
    PgResult raws = Run(pg::kRawsOf, which, "read");
    std::vector<std::string> rawTexts, values, exponents;
    for (int row = 0; row < raws.Rows(); ++row) {
      const auto raw = static_cast<int16_t>(raws.Integer(row, 0));
      const Reading reading = ReadingOf(*device, raw);
      rawTexts.push_back(Number(raw));
      values.push_back(reading.valid ? Number(reading.value) : "NULL");
      exponents.push_back(Number(reading.exponent));
    }
    PgParams update = which;
    update.insert(update.end(), {TextArray(rawTexts), NullableArray(values), TextArray(exponents), meaning});
    Run(pg::kRedecodeReadings, update, "write");
    Run(pg::kRedecodeChannel,
        {Number(r.import), Number(KindCode(r.id.kind)), Number(r.id.key), Latin1ToUtf8(r.device.name),
         Number(r.device.typeCode), Number(r.device.expByte), Number(static_cast<uint8_t>(r.device.unitsByte)), meaning},
        "write");
    Run(pg::kRedecodeImport, {Number(r.import)}, "write");
    Run(pg::kUpsertChannels,
        {site, TextArray({Number(KindCode(r.id.kind))}), TextArray({Number(r.id.key)}),
         TextArray({Latin1ToUtf8(r.channel.name)}), TextArray({Latin1ToUtf8(r.channel.typeName)}),
         TextArray({Latin1ToUtf8(std::string(1, r.channel.unitsLetter))}), TextArray({Number(r.channel.exponent)}),
         TextArray({r.channel.digital ? "t" : "f"}), TextArray({Number(r.rank.end)}), r.rank.hash},
        "write");
  }
}

}  // namespace zerb
