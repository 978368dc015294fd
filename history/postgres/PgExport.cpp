// Reading a site's stored series back from PostgreSQL: its columns in merge
// order, its rows through a cursor ordered by time, and the per-site
// figures of `history`.

#include <algorithm>
#include <map>

#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "history/SqliteStore.h"
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
  PgStoredSeries(PgConnection& connection, std::vector<SeriesChannel> channels, uint16_t site, uint32_t from,
                 uint32_t to)
      : connection_(connection), channels_(std::move(channels)), params_{Number(site), Number(from), Number(to)} {
    for (std::size_t i = 0; i < channels_.size(); ++i) column_[IdOf(channels_[i])] = i;
  }

  std::span<const SeriesChannel> Channels() const override { return channels_; }
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
    int64_t time = -1;
    for (;;) {
      PgResult batch = connection_.Exec(pg::kFetchRows);
      if (!batch.Ok()) {
        error_ = "cannot read the PostgreSQL store " + connection_.Address() + ": " + batch.Error();
        return -1;
      }
      if (batch.Rows() == 0) break;
      for (int r = 0; r < batch.Rows(); ++r) {
        const int64_t at = batch.Integer(r, 0);
        if (at != time && time >= 0 && !Emit(row, time, readings)) return 0;
        time = at;
        const auto column = column_.find({KindFromCode(batch.Integer(r, 1)), static_cast<uint16_t>(batch.Integer(r, 2))});
        if (column == column_.end()) continue;
        Reading& reading = readings[column->second];
        reading.present = true;
        reading.raw = static_cast<int16_t>(batch.Integer(r, 3));
        reading.valid = !batch.IsNull(r, 4);
        reading.value = static_cast<int32_t>(batch.Integer(r, 4));
        reading.exponent = static_cast<int8_t>(batch.Integer(r, 5));
      }
    }
    return time < 0 || Emit(row, time, readings) ? 1 : 0;
  }

  // Hands one row over and empties it for the next time.
  static bool Emit(const RowFn& row, int64_t time, std::vector<Reading>& readings) {
    const bool more = row(static_cast<uint32_t>(time), readings);
    std::fill(readings.begin(), readings.end(), Reading{});
    return more;
  }

  PgConnection& connection_;
  std::vector<SeriesChannel> channels_;
  std::map<ChannelId, std::size_t> column_;
  PgParams params_;
  std::string error_;
};

}  // namespace

std::vector<SeriesChannel> PgStore::ColumnsOf(uint16_t site) {
  std::vector<SeriesChannel> all;
  PgResult channels = Run(pg::kSiteChannels, {Number(site)}, "read");
  for (int row = 0; row < channels.Rows(); ++row) {
    SeriesChannel c;
    c.kind = KindFromCode(channels.Integer(row, 0));
    c.key = static_cast<uint16_t>(channels.Integer(row, 1));
    c.name = Utf8ToLatin1(channels.Text(row, 2));
    c.typeName = Utf8ToLatin1(channels.Text(row, 3));
    const std::string units = Utf8ToLatin1(channels.Text(row, 4));
    c.unitsLetter = units.empty() ? ' ' : units[0];
    c.exponent = static_cast<int>(channels.Integer(row, 5));
    c.digital = channels.Text(row, 6) == "t";
    all.push_back(std::move(c));
  }
  // The newest log's table gives the order; the rest follow by kind and key.
  std::vector<SeriesChannel> newest;
  PgResult newestImport = Run(pg::kNewestImport, {Number(site)}, "read");
  if (newestImport.Rows() > 0) {
    PgResult ids = Run(pg::kImportChannels, {std::string(newestImport.Text(0, 0))}, "read");
    for (int row = 0; row < ids.Rows(); ++row) {
      const ChannelId id{KindFromCode(ids.Integer(row, 0)), static_cast<uint16_t>(ids.Integer(row, 1))};
      const auto at = std::find_if(all.begin(), all.end(), [id](const SeriesChannel& c) { return IdOf(c) == id; });
      if (at != all.end()) newest.push_back(*at);
    }
  }
  ChannelTable table;
  table.Add(newest);
  table.Add(all);
  return table.Columns();
}

std::unique_ptr<Series> PgStore::Export(uint16_t site, uint32_t from, uint32_t to) {
  if (Run(pg::kSiteKnown, {Number(site)}, "read").Rows() == 0) return nullptr;
  return std::make_unique<PgStoredSeries>(*connection_, ColumnsOf(site), site, from, to);
}

std::vector<LogSpan> PgStore::Spans(uint16_t site, uint32_t from, uint32_t to) {
  std::vector<LogSpan> spans;
  PgResult rows = Run(pg::kSiteSpans, {Number(site), Number(from), Number(to)}, "read");
  for (int row = 0; row < rows.Rows(); ++row)
    spans.push_back({static_cast<uint32_t>(rows.Integer(row, 0)), static_cast<uint32_t>(rows.Integer(row, 1)),
                     static_cast<uint16_t>(rows.Integer(row, 2))});
  return ClipSpans(spans, from, to);
}

std::vector<SiteSummary> PgStore::Summaries(std::optional<uint16_t> site) {
  std::vector<SiteSummary> summaries;
  PgResult sites = Run(pg::kSites, {Number(site ? int64_t{*site} : -1)}, "read");
  for (int row = 0; row < sites.Rows(); ++row)
    summaries.push_back({static_cast<uint16_t>(sites.Integer(row, 0)), Utf8ToLatin1(sites.Text(row, 1)), {}, 0, 0, 0,
                         0, 0, {}});
  for (SiteSummary& s : summaries) {
    s.channels = ColumnsOf(s.site);
    SummarizeSpans(s, Spans(s.site, 0, UINT32_MAX));
    PgResult counts = Run(pg::kSiteCounts, {Number(s.site)}, "read");
    s.readings = counts.Integer(0, 0);
    s.conflicts = counts.Integer(0, 1);
  }
  return summaries;
}

}  // namespace zerb
