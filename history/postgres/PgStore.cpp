// Opening the store on PostgreSQL, and import: one log in one transaction,
// under the site's advisory lock. The log's readings go into a temporary
// staging table by COPY; conflicts with stored readings are recorded, then
// one INSERT ... ON CONFLICT merges them, the log with the newest end time
// keeping each reading, as in the SQLite store.

#include "history/postgres/PgStore.h"

#include <charconv>
#include <map>

#include "convert/Paths.h"
#include "history/ChannelTable.h"
#include "history/SqliteStore.h"
#include "history/Spans.h"
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

// The channel table of a log as the arrays the channel statements unnest.
PgParams ChannelArrays(std::span<const SeriesChannel> channels) {
  std::vector<std::string> kinds, keys, names, types, units, exponents, digital;
  for (const SeriesChannel& c : channels) {
    kinds.push_back(Number(KindCode(c.kind)));
    keys.push_back(Number(c.key));
    names.push_back(Latin1ToUtf8(c.name));
    types.push_back(Latin1ToUtf8(c.typeName));
    units.push_back(Latin1ToUtf8(std::string(1, c.unitsLetter)));
    exponents.push_back(Number(c.exponent));
    digital.push_back(c.digital ? "t" : "f");
  }
  return {TextArray(kinds),     TextArray(keys),     TextArray(names), TextArray(types),
          TextArray(units),     TextArray(exponents), TextArray(digital)};
}

void AppendField(std::string& out, int64_t number, char after) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, number).ptr;
  out.append(text, end);
  out += after;
}

}  // namespace

bool PostgresStoresAvailable() { return true; }

std::unique_ptr<Store> OpenPostgresStore(const std::string& address, StoreAccess access) {
  return std::make_unique<PgStore>(address, access);
}

// A stored log whose span overlaps the log being imported.
struct PgStore::StoredLog {
  LogRank rank;
  LogSpan span;
  std::string path;
};

PgStore::PgStore(const std::string& address, StoreAccess access) {
  std::string error;
  connection_ = PgConnection::Open(address, error);
  if (!connection_) throw StoreError(error);
  Run("SET client_encoding TO 'UTF8'", {}, "open");
  if (access == StoreAccess::ReadOnly) Run("SET default_transaction_read_only TO on", {}, "open");
  PreparePgStore(*connection_, access);
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

bool PgStore::Known(const std::string& hash) { return Run(pg::kKnownHash, {hash}, "read").Rows() > 0; }

std::string PgStore::ClockRefusal(const std::string& site, const std::string& timeBase) {
  PgResult stored = Run(pg::kSiteTimeBase, {site}, "read");
  const std::string storedBase = stored.Rows() > 0 ? std::string(stored.Text(0, 0)) : timeBase;
  if (storedBase == timeBase) return {};
  return "site " + site + " is kept on the " + storedBase + " clock in this store" +
         (storedBase == "LAN" ? " (import with --lan)" : " (import without --lan)");
}

int64_t PgStore::AddImport(HistoryLog& log, const std::string& timeBase, const PgParams& siteRow) {
  const std::string& site = *siteRow[0];
  const LogSpan span = log.Span();
  Run(pg::kInsertSite, siteRow, "write");
  std::optional<std::string> siteFile;
  if (const auto found = SiteFileFor(log.Path()); found && log.Warning().empty()) siteFile = PathText(found->path);
  const PgParams importRow = {site,     log.Hash(),         PathText(log.Path()), siteFile,
                              timeBase, Number(span.first), Number(span.last),    Number(span.interval)};
  const int64_t import = Run(pg::kInsertImport, importRow, "write").Integer(0, 0);
  PgParams channels = ChannelArrays(log.Channels());
  channels.insert(channels.begin(), Number(import));
  Run(pg::kInsertImportChannels, channels, "write");
  channels[0] = site;
  channels.insert(channels.end(), {Number(span.last), log.Hash()});
  Run(pg::kUpsertChannels, channels, "write");
  return import;
}

ImportOutcome PgStore::Import(const std::string& logPath, const HistoryLogOptions& options) {
  ImportOutcome outcome;
  // A known log is found by its bytes alone, without decoding it.
  std::string error;
  const auto bytes = ReadWholeFile(logPath, error);
  if (!bytes) return outcome.reason = error, outcome;
  if (Known(ContentHash(*bytes))) return outcome.status = ImportStatus::Skipped, outcome;
  HistoryLog log;
  if (!log.Open(logPath, options)) return outcome.reason = log.Error(), outcome;
  outcome.warning = log.Warning();
  outcome.site = log.SiteNumber();
  bool committing = false;
  try {
    Run("BEGIN", {}, "write");
    Transaction transaction(*connection_);
    const std::string site = Number(log.SiteNumber());
    // Importers of one site take turns, so each sees the logs stored before
    // it whole; importers of other sites go on at once.
    Run("SELECT pg_advisory_xact_lock($1, $2)", {Number(PgLockSpace), site}, "write");
    if (Known(log.Hash())) return outcome.status = ImportStatus::Skipped, outcome;  // imported meanwhile
    // One clock per site: rows of PC and LAN times never share a series.
    const std::string timeBase = options.lanTime ? "LAN" : "PC";
    if (outcome.reason = ClockRefusal(site, timeBase); !outcome.reason.empty()) return outcome;

    const PgParams siteRow = {site, Latin1ToUtf8(log.SiteName()),
                              Number(log.Warning().empty() ? log.Span().last : 0)};
    const int64_t import = AddImport(log, timeBase, siteRow);
    if (!ImportRows(log, import, outcome)) return outcome.reason = log.Rows().Error(), outcome;
    const PgParams counts = {Number(import), Number(static_cast<int64_t>(outcome.report.conflictCount)),
                             Number(static_cast<int64_t>(outcome.readings))};
    Run(pg::kSetCounts, counts, "write");
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

void PgStore::RecordConflicts(HistoryLog& log, int64_t import, const std::map<int64_t, StoredLog>& stored,
                              ImportOutcome& outcome) {
  const LogRank rank = log.Rank();
  const PgParams params = {Number(log.SiteNumber()), Number(rank.end), rank.hash, Number(import),
                           Number(HistoryReport::ListedConflicts)};
  PgResult conflicts = Run(pg::kRecordConflicts, params, "write");
  for (int row = 0; row < conflicts.Rows(); ++row) {
    const ChannelId id{KindFromCode(conflicts.Integer(row, 0)), static_cast<uint16_t>(conflicts.Integer(row, 1))};
    const bool wins = conflicts.Text(row, 5) == "t";
    const auto other = stored.find(conflicts.Integer(row, 6));
    const std::string otherPath = other == stored.end() ? std::string() : other->second.path;
    outcome.report.conflicts.push_back({id, static_cast<uint32_t>(conflicts.Integer(row, 2)),
                                        static_cast<int16_t>(conflicts.Integer(row, 3)),
                                        static_cast<int16_t>(conflicts.Integer(row, 4)),
                                        wins ? log.Path() : otherPath, wins ? otherPath : log.Path()});
    outcome.report.conflictCount = static_cast<std::size_t>(conflicts.Integer(row, 7));
  }
}

bool PgStore::ImportRows(HistoryLog& log, int64_t import, ImportOutcome& outcome) {
  const std::string site = Number(log.SiteNumber());
  const LogSpan span = log.Span();
  const LogRank rank = log.Rank();
  std::map<int64_t, StoredLog> stored;
  PgResult overlapping =
      Run(pg::kOverlapping, {site, Number(import), Number(span.first), Number(span.last)}, "read");
  for (int row = 0; row < overlapping.Rows(); ++row) {
    StoredLog& other = stored[overlapping.Integer(row, 0)];
    other.span = {static_cast<uint32_t>(overlapping.Integer(row, 1)), static_cast<uint32_t>(overlapping.Integer(row, 2)),
                  static_cast<uint16_t>(overlapping.Integer(row, 3))};
    other.rank = {other.span.last, std::string(overlapping.Text(row, 4))};
    other.path = overlapping.Text(row, 5);
  }

  // Off one grid: the newer log's rows win over its whole span.
  std::vector<LogSpan> dropped;
  for (const auto& [id, other] : stored) {
    const bool newer = other.rank > rank;
    const auto shift = newer ? GridShift(other.span, span) : GridShift(span, other.span);
    if (!shift) continue;
    outcome.report.offGrid.push_back(
        newer ? OffGridOverlap{other.path, log.Path(), *shift, other.span.interval, span.interval}
              : OffGridOverlap{log.Path(), other.path, *shift, span.interval, other.span.interval});
    if (newer)
      dropped.push_back(other.span);
    else
      Run(pg::kDeleteSpan, {site, Number(id), Number(span.first), Number(span.last)}, "write");
  }

  // The staging rows in COPY's text format: position, kind, key, time, raw,
  // value (\N when the device gives none), exponent.
  const std::span<const SeriesChannel> channels = log.Channels();
  const std::vector<bool> repeated = RepeatedChannels(channels);  // a slot listed twice is read once
  std::string data;
  const int walked = log.Rows().ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    for (const LogSpan& s : dropped)
      if (time >= s.first && time <= s.last) return true;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (repeated[i]) continue;
      const Reading& r = readings[i];
      AppendField(data, static_cast<int64_t>(i), '\t');
      AppendField(data, KindCode(channels[i].kind), '\t');
      AppendField(data, channels[i].key, '\t');
      AppendField(data, time, '\t');
      AppendField(data, r.raw, '\t');
      if (r.valid)
        AppendField(data, r.value, '\t');
      else
        data += "\\N\t";
      AppendField(data, r.exponent, '\n');
      ++outcome.readings;
    }
    return true;
  });
  if (walked != 1) return false;
  if (const std::string copyError = connection_->CopyIn(pg::kCopyStaging, data); !copyError.empty()) {
    if (connection_->Lost())
      throw StoreError("lost the connection to the PostgreSQL store " + connection_->Address() + " (" + copyError + ")");
    throw StoreError("cannot write the PostgreSQL store " + connection_->Address() + ": " + copyError);
  }

  // Readings stored in the log's span belong to logs overlapping it: with
  // none (the site's lock keeps it so), there is nothing to conflict with
  // and a plain insert spares the conflict checks.
  if (stored.empty()) {
    Run(pg::kInsertReadings, {site, Number(import)}, "write");
    return true;
  }
  RecordConflicts(log, import, stored, outcome);
  Run(pg::kMergeReadings, {site, Number(import), Number(rank.end), rank.hash}, "write");
  return true;
}

}  // namespace zerb
