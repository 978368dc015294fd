// Reading a site's stored series back: its columns in merge order and its
// rows, one cursor per column, joined by time.

#include <algorithm>
#include <map>

#include "history/ChannelTable.h"
#include "history/Holdings.h"
#include "history/Spans.h"
#include "history/SqliteStatements.h"
#include "history/SqliteStore.h"

namespace zerb {

namespace {

// The rows of a site between two times: each column's readings come in
// time order from their own statement (the readings' key serves it), and a
// row is the readings at the smallest time any cursor stands on. A row's
// anchor is the end of the newest log it holds a reading of.
class StoredSeries final : public Series {
 public:
  StoredSeries(const SqliteDb& db, StoredColumns columns, std::map<int64_t, int64_t> importEnds,
               HoldingIndex holders, uint32_t site, int64_t from, int64_t to)
      : channels_(std::move(columns.columns)), importEnds_(std::move(importEnds)), holders_(std::move(holders)) {
    for (std::size_t i = 0; i < channels_.size(); ++i) {
      const SeriesChannel& c = channels_[i];
      auto& cursor = cursors_.emplace_back(std::make_unique<SqliteStatement>(
          db, "SELECT time, raw, value, exponent, import FROM readings WHERE site = ?1 AND kind = ?2 AND key = ?3 "
              "AND time BETWEEN ?4 AND ?5 AND meaning = ?6 ORDER BY time"));
      cursor->Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, from).Bind(5, to);
      cursor->Bind(6, columns.meanings[i]);
    }
  }

  std::span<const SeriesChannel> Channels() const override { return channels_; }
  const std::string& Error() const override { return error_; }
  std::optional<uint32_t> RowAnchor() const override { return anchor_; }

  int ForEachRow(const RowFn& row) override {
    try {
      return Walk(row);
    } catch (const SqliteError& e) {
      error_ = std::string("cannot read the store: ") + e.what();
      return -1;
    }
  }

 private:
  // Each cursor's time is read once a step, and the end of the import
  // holding its reading looked up when the holder changes (a column's
  // readings come in long runs of one holder).
  int Walk(const RowFn& row) {
    constexpr int64_t Done = INT64_MAX;
    std::vector<int64_t> at(cursors_.size());  // the time each cursor stands on, Done past its last
    std::vector<int64_t> imports(cursors_.size(), -1), ends(cursors_.size(), INT64_MIN);
    auto step = [&](std::size_t i) { at[i] = cursors_[i]->Step() ? cursors_[i]->Int(0) : Done; };
    for (std::size_t i = 0; i < cursors_.size(); ++i) {
      cursors_[i]->Reset();  // from the first row again; the bindings stay
      step(i);
    }
    std::vector<Reading> readings(cursors_.size());
    std::vector<HolderWalk> holders;
    for (const SeriesChannel& c : channels_) holders.emplace_back(holders_, IdOf(c));
    for (;;) {
      const int64_t time = cursors_.empty() ? Done : *std::min_element(at.begin(), at.end());
      if (time == Done) return 1;
      int64_t anchor = INT64_MIN;
      for (std::size_t i = 0; i < cursors_.size(); ++i) {
        Reading& r = readings[i];
        r = Reading{};
        if (at[i] != time) continue;
        SqliteStatement& c = *cursors_[i];
        r.present = true;
        r.raw = static_cast<int16_t>(c.Int(1));
        r.value = static_cast<int32_t>(c.Int(2));
        r.valid = r.value != 0 || !c.IsNull(2);  // NULL reads as 0: its type is asked only then
        r.exponent = static_cast<int8_t>(c.Int(3));
        const auto holder = holders[i].HolderOf(time);
        const int64_t import = holder ? *holder : c.Int(4);
        if (import != imports[i]) {
          const auto end = importEnds_.find(import);
          imports[i] = import;
          ends[i] = end == importEnds_.end() ? INT64_MIN : end->second;
        }
        anchor = std::max(anchor, ends[i]);
        step(i);
      }
      anchor_ = anchor == INT64_MIN ? std::nullopt : std::optional<uint32_t>(static_cast<uint32_t>(anchor));
      if (!row(static_cast<uint32_t>(time), readings)) return 0;
    }
  }

  std::vector<SeriesChannel> channels_;
  std::map<int64_t, int64_t> importEnds_;
  HoldingIndex holders_;
  std::vector<std::unique_ptr<SqliteStatement>> cursors_;
  std::optional<uint32_t> anchor_;
  std::string error_;
};

}  // namespace

std::unique_ptr<Series> SqliteStore::Export(uint32_t site, int64_t from, int64_t to) {
  try {
    SqliteStatement& sites = sql_->sites;
    sites.Bind(1, site);
    const bool known = sites.Step();
    sites.Reset();
    if (!known) return nullptr;
    std::map<int64_t, int64_t> ends;
    sql_->importEnds.Bind(1, site);
    while (sql_->importEnds.Step()) ends[sql_->importEnds.Int(0)] = sql_->importEnds.Int(1);
    sql_->importEnds.Reset();
    std::vector<Holding> holdings;
    SqliteStatement& held = sql_->siteHoldings;
    held.Bind(1, site);
    while (held.Step())
      holdings.push_back({{KindFromCode(held.Int(0)), static_cast<uint16_t>(held.Int(1))}, held.Int(2), held.Int(3),
                          held.Int(4)});
    held.Reset();
    return std::make_unique<StoredSeries>(*db_, ColumnsOfSite(SiteChannels(site)), std::move(ends),
                                          HoldingIndex(std::move(holdings)), site, from, to);
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
}

std::vector<LogSpan> SqliteStore::Spans(uint32_t site, int64_t from, int64_t to) {
  std::vector<LogSpan> spans;
  try {
    SqliteStatement& s = sql_->siteSpans;
    s.Bind(1, site).Bind(2, from).Bind(3, to);
    while (s.Step()) spans.push_back({s.Int(0), s.Int(1), static_cast<uint16_t>(s.Int(2))});
    s.Reset();
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
  return ClipSpans(spans, from, to);
}

namespace {

int64_t CountOf(SqliteStatement& count, uint32_t site) {
  count.Bind(1, site);
  const int64_t n = count.Step() ? count.Int(0) : 0;
  count.Reset();
  return n;
}

}  // namespace

std::vector<SiteSummary> SqliteStore::Summaries(std::optional<uint32_t> site) {
  std::vector<SiteSummary> summaries;
  try {
    SqliteStatement& sites = sql_->sites;
    sites.Bind(1, site ? int64_t{*site} : -1);
    while (sites.Step()) {
      SiteSummary s;
      s.site = static_cast<uint32_t>(sites.Int(0));
      s.name = sites.Text(1);
      summaries.push_back(std::move(s));
    }
    sites.Reset();
    for (SiteSummary& s : summaries) {
      const std::vector<StoredChannel> rows = SiteChannels(s.site);
      s.channels = ColumnsOfSite(rows).columns;
      s.changes = DescriptionChanges(rows);
      SummarizeSpans(s, Spans(s.site, INT64_MIN, INT64_MAX));
      s.readings = CountOf(sql_->readingCount, s.site);
      s.conflicts = CountOf(sql_->conflictCount, s.site);
    }
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
  return summaries;
}

}  // namespace zerb
