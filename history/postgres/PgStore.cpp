// Opening the store on PostgreSQL, and import: the steps of the import plan
// (history/ImportPlan.h) in one transaction under the site's advisory lock.
// The readings new to the store go in by COPY; those over stored ones reach
// a temporary staging table by COPY and replace them through the readings'
// key.

#include "history/postgres/PgStore.h"

#include <charconv>
#include <map>

#include "app/Paths.h"
#include "history/ChannelTable.h"
#include "history/postgres/PgSchema.h"
#include "history/postgres/PgStatements.h"
#include "history/postgres/PgText.h"

namespace zerb {
namespace {

std::string Number(int64_t number) { return std::to_string(number); }

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

std::optional<std::string> PgStore::StoredTimeBase(uint32_t site) {
  PgResult stored = Run(pg::kSiteTimeBase, {Number(site)}, "read");
  if (stored.Rows() == 0) return std::nullopt;
  return std::string(stored.Text(0, 0));
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

std::vector<int64_t> PgStore::MeaningIds(uint32_t site, std::span<const SeriesChannel> channels) {
  std::vector<std::string> kinds, keys, types, units, exponents, digital;
  for (const SeriesChannel& c : channels) {
    kinds.push_back(Number(KindCode(c.kind)));
    keys.push_back(Number(c.key));
    types.push_back(Latin1ToUtf8(c.typeName));
    units.push_back(Latin1ToUtf8(std::string(1, c.unitsLetter)));
    exponents.push_back(Number(c.exponent));
    digital.push_back(c.digital ? "t" : "f");
  }
  const PgParams params = {Number(site),     TextArray(kinds),     TextArray(keys),   TextArray(types),
                           TextArray(units), TextArray(exponents), TextArray(digital)};
  Run(pg::kAddMeanings, params, "write");
  PgResult found = Run(pg::kMeanings, params, "read");
  if (found.Rows() != static_cast<int>(channels.size()))
    throw StoreError("cannot read the PostgreSQL store " + connection_->Address() + ": a meaning went missing");
  std::vector<int64_t> ids;
  for (int row = 0; row < found.Rows(); ++row) ids.push_back(found.Integer(row, 0));
  return ids;
}

int64_t PgStore::AddImport(HistoryLog& log, const std::string& timeBase, std::vector<int64_t>& meanings) {
  const std::string site = Number(log.SiteNumber());
  const LogSpan span = log.Span();
  const bool complete = log.Quality() == SiteQuality::Complete;
  siteRow_ = {site, Latin1ToUtf8(complete ? log.SiteName() : std::string()), Number(complete ? span.last : INT64_MIN)};
  Run(pg::kInsertSite, siteRow_, "write");
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
  const std::vector<int64_t> ids = MeaningIds(log.SiteNumber(), channels);
  meanings.insert(meanings.end(), ids.begin(), ids.end());
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const SeriesChannel& c = channels[i];
    kinds.push_back(Number(KindCode(c.kind)));
    keys.push_back(Number(c.key));
    names.push_back(Latin1ToUtf8(c.name));
    typeCodes.push_back(Number(devices[i].typeCode));
    expBytes.push_back(Number(devices[i].expByte));
    unitsBytes.push_back(Number(static_cast<uint8_t>(devices[i].unitsByte)));
    sources.push_back(std::string(SourceName(log.Sources()[i])));
    meaningIds.push_back(Number(ids[i]));
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

ImportOutcome PgStore::Import(const std::string& logPath, const HistoryLogOptions& options, const StoredCall& stored) {
  import_ = {};
  try {
    // Rolls back a transaction the plan leaves uncommitted, unless the
    // connection is gone (the server has rolled it back then).
    const struct EndTransaction {
      PgStore& store;
      ~EndTransaction() {
        if (store.import_.open && !store.import_.committing && !store.connection_->Lost())
          store.connection_->Exec("ROLLBACK");
      }
    } end{*this};
    return ImportLog(*this, logPath, options, stored);
  } catch (const StoreError& e) {
    if (!import_.begun || !connection_->Lost()) throw;
    // Lost before COMMIT: the server rolled the log back. Lost during it:
    // the answer never came.
    const std::string fate = import_.committing ? "whether " + logPath +
                                                      " was stored is unknown (import it again: a stored log is skipped)"
                                                : "nothing of " + logPath + " was stored";
    throw StoreLost(std::string(e.what()) + "; " + fate);
  }
}

void PgStore::Begin(uint32_t site) {
  import_.begun = true;
  Run("BEGIN", {}, "write");
  import_.open = true;
  // Importers of one site take turns, so each sees the logs stored before
  // it whole; importers of other sites go on at once.
  Run(pg::kLockSite, {Number(PgLockSpace), Number(static_cast<int32_t>(site))}, "write");
}

void PgStore::Commit() {
  // The site's name from the newest log; its row is locked last, so for
  // the shortest time.
  Run(pg::kUpdateSiteName, siteRow_, "write");
  import_.committing = true;
  Run("COMMIT", {}, "write");
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

std::vector<StoredConflict> PgStore::ConflictsIn(uint32_t site, const LogSpan& span) {
  std::vector<StoredConflict> conflicts;
  PgResult c = Run(pg::kConflictsIn, {Number(site), Number(span.first), Number(span.last)}, "read");
  for (int row = 0; row < c.Rows(); ++row)
    conflicts.push_back({{KindFromCode(c.Integer(row, 0)), static_cast<uint16_t>(c.Integer(row, 1))},
                         c.Integer(row, 2), static_cast<int16_t>(c.Integer(row, 3)),
                         static_cast<int16_t>(c.Integer(row, 4)), c.Integer(row, 5), c.Integer(row, 6)});
  return conflicts;
}

std::vector<Holding> PgStore::HoldingsIn(uint32_t site, const LogSpan& span) {
  PgResult rows = Run(pg::kHoldingsIn, {Number(site), Number(span.first), Number(span.last)}, "read");
  std::vector<Holding> holdings;
  for (int row = 0; row < rows.Rows(); ++row)
    holdings.push_back({{KindFromCode(rows.Integer(row, 0)), static_cast<uint16_t>(rows.Integer(row, 1))},
                        rows.Integer(row, 2), rows.Integer(row, 3), rows.Integer(row, 4)});
  return holdings;
}

void PgStore::ChangeHoldings(uint32_t site, const HoldingChanges& changes) {
  std::vector<std::string> kinds, keys, firsts, lasts, imports;
  for (const Holding& h : changes.removed) {
    kinds.push_back(Number(KindCode(h.id.kind)));
    keys.push_back(Number(h.id.key));
    firsts.push_back(Number(h.first));
  }
  if (!kinds.empty()) Run(pg::kDropHoldings, {Number(site), TextArray(kinds), TextArray(keys), TextArray(firsts)}, "write");
  kinds.clear(), keys.clear(), firsts.clear();
  for (const Holding& h : changes.added) {
    kinds.push_back(Number(KindCode(h.id.kind)));
    keys.push_back(Number(h.id.key));
    firsts.push_back(Number(h.first));
    lasts.push_back(Number(h.last));
    imports.push_back(Number(h.import));
  }
  if (!kinds.empty())
    Run(pg::kAddHoldings,
        {Number(site), TextArray(kinds), TextArray(keys), TextArray(firsts), TextArray(lasts), TextArray(imports)},
        "write");
}

void PgStore::DeleteReadings(uint32_t site, const std::vector<Holding>& ranges) {
  std::vector<std::string> kinds, keys, firsts, lasts;
  for (const Holding& h : ranges) {
    kinds.push_back(Number(KindCode(h.id.kind)));
    keys.push_back(Number(h.id.key));
    firsts.push_back(Number(h.first));
    lasts.push_back(Number(h.last));
  }
  Run(pg::kDeleteRanges, {Number(site), TextArray(kinds), TextArray(keys), TextArray(firsts), TextArray(lasts)},
      "write");
}

std::vector<StoredReading> PgStore::Existing(uint32_t site, std::span<const SeriesChannel> channels,
                                             const LogSpan& span) {
  std::vector<std::string> kinds, keys;
  for (const SeriesChannel& c : channels) {
    kinds.push_back(Number(KindCode(c.kind)));
    keys.push_back(Number(c.key));
  }
  std::vector<StoredReading> before;
  PgResult r = Run(pg::kExisting, {Number(site), Number(span.first), Number(span.last), TextArray(kinds), TextArray(keys)},
                   "read");
  for (int row = 0; row < r.Rows(); ++row)
    before.push_back({{KindFromCode(r.Integer(row, 0)), static_cast<uint16_t>(r.Integer(row, 1))}, r.Integer(row, 2),
                      static_cast<int16_t>(r.Integer(row, 3)), r.Integer(row, 4), !r.IsNull(row, 5),
                      static_cast<int32_t>(r.Integer(row, 5)), static_cast<int8_t>(r.Integer(row, 6)),
                      r.Integer(row, 7)});
  return before;
}

// The readings that go in, in COPY's text format: a new one as a row of
// readings (site, kind, key, time, raw, value, exponent, import, meaning),
// one over a stored reading as a row of the staging table (the same without
// site and import); value is \N when the device gives none.
void PgStore::PutReading(ReadingJudge::Verdict verdict, uint32_t site, const SeriesChannel& channel, int64_t time,
                         const Reading& r, int64_t import, int64_t meaning) {
  const bool fresh = verdict == ReadingJudge::Verdict::Insert;
  std::string& data = fresh ? import_.fresh : import_.replaced;
  if (fresh) AppendField(data, site, '\t');
  AppendField(data, KindCode(channel.kind), '\t');
  AppendField(data, channel.key, '\t');
  AppendField(data, time, '\t');
  AppendField(data, r.raw, '\t');
  if (r.valid)
    AppendField(data, r.value, '\t');
  else
    data += "\\N\t";
  AppendField(data, r.exponent, '\t');
  if (fresh) AppendField(data, import, '\t');
  AppendField(data, meaning, '\n');
}

void PgStore::CopyIn(const char* sql, std::string& data) {
  const std::string copyError = connection_->CopyIn(sql, data);
  data.clear();
  if (copyError.empty()) return;
  if (connection_->Lost())
    throw StoreError("lost the connection to the PostgreSQL store " + connection_->Address() + " (" + copyError + ")");
  throw StoreError("cannot write the PostgreSQL store " + connection_->Address() + ": " + copyError);
}

void PgStore::ReadingsDone(uint32_t site, int64_t import) {
  if (!import_.fresh.empty()) CopyIn(pg::kCopyFreshReadings, import_.fresh);
  if (import_.replaced.empty()) return;
  CopyIn(pg::kCopyStaging, import_.replaced);
  Run(pg::kReplaceReadings, {Number(site), Number(import)}, "write");
}

void PgStore::SetReadingCount(int64_t import, int64_t readings) {
  Run(pg::kSetReadings, {Number(import), Number(readings)}, "write");
}

void PgStore::RedecodeStored(uint32_t siteNumber) {
  const std::vector<StoredChannel> rows = SiteChannels(siteNumber);
  const std::string site = Number(siteNumber);
  for (const Redecode& r : RedecodesOf(rows, BookOf(rows))) {
    const std::string meaning = Number(MeaningIds(siteNumber, {&r.channel, 1}).front());
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
