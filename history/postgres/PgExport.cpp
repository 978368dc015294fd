// Reading a site's stored series back from PostgreSQL: its columns in merge
// order, its rows through a cursor ordered by time, and the per-site
// figures of `history`.

#include <algorithm>
#include <map>

#include "history/ChannelTable.h"
#include "history/Holdings.h"
#include "history/Spans.h"
#include "history/postgres/PgStatements.h"
#include "history/postgres/PgStore.h"
#include "history/postgres/PgText.h"

namespace zerb {
namespace {

std::string Number(int64_t number) { return std::to_string(number); }

// The rows of a site between two times, fetched in batches from one cursor
// in one read-only snapshot; a row is every reading at one time.
class PgStoredSeries final : public Series {
 public:
  PgStoredSeries(PgConnection& connection, StoredColumns columns, std::map<int64_t, int64_t> importEnds,
                 HoldingIndex holders, uint32_t site, int64_t from, int64_t to)
      : connection_(connection),
        channels_(std::move(columns.columns)),
        importEnds_(std::move(importEnds)),
        holders_(std::move(holders)),
        params_{Number(site), Number(from), Number(to)} {
    for (std::size_t i = 0; i < channels_.size(); ++i) column_[{IdOf(channels_[i]), columns.meanings[i]}] = i;
  }

  std::span<const SeriesChannel> Channels() const override { return channels_; }
  std::optional<uint32_t> RowAnchor() const override { return anchor_; }
  const std::string& Error() const override { return error_; }

  int ForEachRow(const RowFn& row) override {
    if (!Run("BEGIN READ ONLY ISOLATION LEVEL REPEATABLE READ") || !Run(pg::kDeclareRows, params_)) return -1;
    const int walked = Walk(row);
    if (walked < 0) {
      if (!connection_.Lost()) connection_.Exec("ROLLBACK");
      return -1;
    }
    return Run("COMMIT") ? walked : -1;
  }

 private:
  bool Run(const std::string& sql, const PgParams& params = {}) {
    PgResult result = connection_.Exec(sql, params);
    if (!result.Ok()) error_ = "cannot read the PostgreSQL store " + connection_.Address() + ": " + result.Error();
    return result.Ok();
  }

  int Walk(const RowFn& row) {
    std::vector<Reading> readings(channels_.size());
    std::vector<HolderWalk> holders;  // per column: its readings come oldest first
    for (const SeriesChannel& c : channels_) holders.emplace_back(holders_, IdOf(c));
    int64_t time = 0, anchor = INT64_MIN;
    bool any = false;
    for (;;) {
      PgResult batch = connection_.Exec(pg::kFetchRows);
      if (!batch.Ok()) {
        error_ = "cannot read the PostgreSQL store " + connection_.Address() + ": " + batch.Error();
        return -1;
      }
      if (batch.Rows() == 0) break;
      for (int r = 0; r < batch.Rows(); ++r) {
        const int64_t at = batch.Integer(r, 0);
        if (any && at != time && !Emit(row, time, readings, anchor)) return 0;
        time = at, any = true;
        const ChannelId id{KindFromCode(batch.Integer(r, 1)), static_cast<uint16_t>(batch.Integer(r, 2))};
        const auto column = column_.find({id, batch.Integer(r, 6)});
        if (column == column_.end()) continue;
        const auto held = holders[column->second].HolderOf(at);
        const int64_t holder = held ? *held : batch.Integer(r, 7);
        if (const auto end = importEnds_.find(holder); end != importEnds_.end())
          anchor = std::max(anchor, end->second);
        Reading& reading = readings[column->second];
        reading.present = true;
        reading.raw = static_cast<int16_t>(batch.Integer(r, 3));
        reading.valid = !batch.IsNull(r, 4);
        reading.value = static_cast<int32_t>(batch.Integer(r, 4));
        reading.exponent = static_cast<int8_t>(batch.Integer(r, 5));
      }
    }
    return !any || Emit(row, time, readings, anchor) ? 1 : 0;
  }

  // Hands one row over and empties it for the next time.
  bool Emit(const RowFn& row, int64_t time, std::vector<Reading>& readings, int64_t& anchor) {
    anchor_ = anchor == INT64_MIN ? std::nullopt : std::optional<uint32_t>(static_cast<uint32_t>(anchor));
    const bool more = row(static_cast<uint32_t>(time), readings);
    std::fill(readings.begin(), readings.end(), Reading{});
    anchor = INT64_MIN;
    return more;
  }

  PgConnection& connection_;
  std::vector<SeriesChannel> channels_;
  std::map<int64_t, int64_t> importEnds_;
  HoldingIndex holders_;
  std::map<std::pair<ChannelId, int64_t>, std::size_t> column_;
  std::optional<uint32_t> anchor_;
  PgParams params_;
  std::string error_;
};

}  // namespace

std::unique_ptr<Series> PgStore::Export(uint32_t site, int64_t from, int64_t to) {
  if (Run(pg::kSiteKnown, {Number(site)}, "read").Rows() == 0) return nullptr;
  std::map<int64_t, int64_t> ends;
  PgResult imports = Run(pg::kImportEnds, {Number(site)}, "read");
  for (int row = 0; row < imports.Rows(); ++row) ends[imports.Integer(row, 0)] = imports.Integer(row, 1);
  return std::make_unique<PgStoredSeries>(*connection_, ColumnsOfSite(SiteChannels(site)), std::move(ends),
                                          HoldingIndex(HoldingsIn(site, {INT64_MIN, INT64_MAX, 0})), site, from, to);
}

std::vector<LogSpan> PgStore::Spans(uint32_t site, int64_t from, int64_t to) {
  std::vector<LogSpan> spans;
  PgResult rows = Run(pg::kSiteSpans, {Number(site), Number(from), Number(to)}, "read");
  for (int row = 0; row < rows.Rows(); ++row)
    spans.push_back({rows.Integer(row, 0), rows.Integer(row, 1), static_cast<uint16_t>(rows.Integer(row, 2))});
  return ClipSpans(spans, from, to);
}

std::vector<SiteSummary> PgStore::Summaries(std::optional<uint32_t> site) {
  std::vector<SiteSummary> summaries;
  PgResult sites = Run(pg::kSites, {Number(site ? int64_t{*site} : -1)}, "read");
  for (int row = 0; row < sites.Rows(); ++row) {
    SiteSummary s;
    s.site = static_cast<uint32_t>(sites.Integer(row, 0));
    s.name = Utf8ToLatin1(sites.Text(row, 1));
    summaries.push_back(std::move(s));
  }
  for (SiteSummary& s : summaries) {
    const std::vector<StoredChannel> rows = SiteChannels(s.site);
    s.channels = ColumnsOfSite(rows).columns;
    s.changes = DescriptionChanges(rows);
    SummarizeSpans(s, Spans(s.site, INT64_MIN, INT64_MAX));
    PgResult counts = Run(pg::kSiteCounts, {Number(s.site)}, "read");
    s.readings = counts.Integer(0, 0);
    s.conflicts = counts.Integer(0, 1);
  }
  return summaries;
}

}  // namespace zerb
