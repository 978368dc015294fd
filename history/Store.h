#pragma once
// A site's history kept in a store: logs go in one at a time, each whole or
// not at all; the stored series of a site comes out like `merge` makes it.
// SQLite is one engine behind this interface; others can sit beside it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "history/HistoryTypes.h"
#include "history/SiteDescriptions.h"
#include "series/Envelope.h"
#include "series/Series.h"
#include "summary/Figures.h"
#include "summary/PeriodTally.h"
#include "summary/Periods.h"

namespace zerb {

// The store cannot be used: missing, not a store of ours, of a newer
// schema, read-only, full. The message is a sentence for the user.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The store went away during an import (a lost connection): no later log
// can go in either.
class StoreLost : public StoreError {
 public:
  using StoreError::StoreError;
};

enum class ImportStatus { Imported, Skipped, Failed };

struct ImportOutcome {
  ImportStatus status = ImportStatus::Failed;
  std::string reason;   // why it failed
  std::string warning;  // a remark on a log that went in
  uint32_t site = 0;
  std::size_t readings = 0;  // readings the log holds
  LogSpan span;              // of the log's rows
  HistoryReport report;      // conflicts and off-grid overlaps with stored logs
};

// A channel's description as it changed: from `time` (the first row of
// the first log described so) on.
struct DescriptionChange {
  int64_t time = 0;
  SeriesChannel channel;
  DescriptionSource source = DescriptionSource::Site;
};

struct SiteSummary {
  uint32_t site = 0;
  std::string name;
  std::vector<SeriesChannel> channels;  // in export order
  std::vector<DescriptionChange> changes;  // per channel, oldest first, where it changed
  int64_t first = 0;
  int64_t last = 0;
  int64_t readings = 0;
  int64_t conflicts = 0;
  int64_t imports = 0;
  std::vector<Gap> gaps;
};

// A stored log as an export lists its sources.
struct StoredLog {
  std::string path;  // as it was imported
  LogSpan span;
  int64_t conflicts = 0;  // those naming it, kept or other
};

// A site's series over a range summed up per bucket for a plot, and the
// gaps between its logs that meet the range.
struct SiteEnvelope {
  SeriesEnvelope series;
  std::vector<Gap> gaps;  // oldest first, as FindGaps reports them over all the site's logs
};

// Fills a summary's first and last time, import count and gaps from the
// spans of its stored logs.
void SummarizeSpans(SiteSummary& summary, const std::vector<LogSpan>& spans);

// Periods to fold a site's rows into where they are stored: aligned on
// the logger's civil time (no zone) or on the local clock of `zone` for
// rows whose clock runs `clockOffset` seconds ahead of UTC (ZoneClock's
// ClockOffset of their logs' newest times). Degree-day figures of export
// columns (days and longer only), a day's figure left out when fewer than
// `minCoverage` of the readings the day holds at the rows' shortest step
// are valid.
struct PeriodQuery {
  Period every = Period::Day;
  std::string zone;
  int64_t clockOffset = 0;
  std::vector<DegreeDayColumn> degreeDays;
  double minCoverage = 0;
};

// What a store folded: per period, each export column's figures of the
// rows Export would give, and what a walk of those rows would learn.
struct StoredPeriods {
  uint32_t interval = 0;  // the shortest step between row times; 0 with fewer than two
  bool empty = true;      // no rows
  int64_t first = 0, last = 0;
  // By key, ascending: the period's start on the logger's clock for
  // periods shorter than a day, on the local clock for days and longer.
  std::vector<std::pair<int64_t, FoldedPeriod>> periods;
};

class Store {
 public:
  virtual ~Store() = default;
  // Called with the outcome of a log just committed, before the program may
  // end (HoldOffEnding, app/TemporaryNames.h): what a caller says of a
  // stored log is said whole.
  using StoredCall = std::function<void(const ImportOutcome&)>;
  // Adds one log in one transaction; a log already stored (same bytes:
  // the same SHA-256, or the identity a version-1 store kept) is skipped.
  // Throws StoreError when the store itself fails (what was committed
  // before stays).
  virtual ImportOutcome Import(const std::string& logPath, const HistoryLogOptions& options,
                               const StoredCall& stored = {}) = 0;
  // The stored sites (one when `site` is given; none if it is not stored).
  virtual std::vector<SiteSummary> Summaries(std::optional<uint32_t> site) = 0;
  // The stored series of a site with row times in [from, to], and the spans
  // of the logs it came from (clipped to the range) for its gaps. Nothing
  // when the site is not stored.
  virtual std::unique_ptr<Series> Export(uint32_t site, int64_t from, int64_t to) = 0;
  virtual std::vector<LogSpan> Spans(uint32_t site, int64_t from, int64_t to) = 0;
  // The stored logs of the site whose spans meet [from, to], oldest first
  // (their spans not clipped).
  virtual std::vector<StoredLog> Logs(uint32_t site, int64_t from, int64_t to) = 0;

  // Summaries folded by the store's engine: the figures per period of the
  // site's series over [from, to], as summarising Export's rows would make
  // them (on/off figures for every column; the caller keeps those of on/off
  // channels). Nothing when this store does not fold periods (the caller
  // walks Export's series); throws StoreError when the store fails.
  virtual std::optional<StoredPeriods> FoldPeriods(uint32_t, int64_t, int64_t, const PeriodQuery&) {
    return std::nullopt;
  }

  // --- A plot's view of a site (history/StoreEnvelope.h) ---
  // The series Export(site, ...) gives, with an empty row at GapBreaks of
  // the site's gaps (history/Spans.h), summed up over [from, to] in
  // `columns` buckets (series/Envelope.h): the same readings, descriptions
  // and scaling, the conflicts resolved alike, summed up from the range's
  // readings read once in one statement, in no order (grouping or sorting
  // them in the engine costs more than reading them, most of all where
  // missing values split the lines in most buckets, as on real data).
  // Drawn by StripChart::SetEnvelope with the chart's range [from, to] and
  // StripChart::LineColumns columns, it gives the picture of the rows
  // themselves. Costs grow with the rows in the range, a fraction of
  // Export's and of drawing every row; where the rows themselves are
  // wanted (a cursor's readings, an export), Export is the call. Nothing
  // when the site is not stored. Needs to >
  // from, to - from < 2^31 s (68 years), 0 < columns <= 1,000,000; throws
  // StoreError otherwise or when the store fails (a lost connection).
  virtual std::optional<SiteEnvelope> Envelope(uint32_t site, int64_t from, int64_t to, int columns) = 0;
};

enum class StoreAccess {
  Write,     // created when missing (import)
  ReadOnly,  // must exist; never changed (export, history)
};

// One log of a batch into the store, as every front end imports: the
// store refusing this log (a failed statement, a constraint) is this log's
// failure, its reason in the outcome, and the batch goes on; a store that
// is gone (StoreLost) ends the batch and is thrown.
ImportOutcome ImportOneOfMany(Store& store, const std::string& logPath, const HistoryLogOptions& options,
                              const Store::StoredCall& stored = {});

// Opens the store at `location`: an SQLite file (also written
// sqlite:FILE), or the PostgreSQL database of a connection URI
// (postgresql://...) or key=value string (host=...); see LocateStore in
// history/postgres/PgAddress.h. Throws StoreError.
std::unique_ptr<Store> OpenStore(const std::string& location, StoreAccess access);

}  // namespace zerb
