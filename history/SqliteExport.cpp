// Reading a site's stored series back: its columns in merge order and its
// rows, one cursor per channel, joined by time.

#include <algorithm>

#include "history/ChannelTable.h"
#include "history/Spans.h"
#include "history/SqliteStatements.h"
#include "history/SqliteStore.h"

namespace zerb {

namespace {

// The rows of a site between two times: each channel's readings come in
// time order from their own statement (the readings' key serves it), and a
// row is the readings at the smallest time any cursor stands on.
class StoredSeries final : public Series {
 public:
  StoredSeries(const SqliteDb& db, std::vector<SeriesChannel> channels, uint16_t site, uint32_t from, uint32_t to)
      : channels_(std::move(channels)) {
    for (const SeriesChannel& c : channels_) {
      auto& cursor = cursors_.emplace_back(std::make_unique<SqliteStatement>(
          db, "SELECT time, raw, value, exponent FROM readings WHERE site = ?1 AND kind = ?2 AND key = ?3 "
              "AND time BETWEEN ?4 AND ?5 ORDER BY time"));
      cursor->Bind(1, site).Bind(2, KindCode(c.kind)).Bind(3, c.key).Bind(4, from).Bind(5, to);
    }
  }

  std::span<const SeriesChannel> Channels() const override { return channels_; }
  const std::string& Error() const override { return error_; }

  int ForEachRow(const RowFn& row) override {
    try {
      return Walk(row);
    } catch (const SqliteError& e) {
      error_ = std::string("cannot read the store: ") + e.what();
      return -1;
    }
  }

 private:
  int Walk(const RowFn& row) {
    std::vector<bool> more(cursors_.size());
    for (std::size_t i = 0; i < cursors_.size(); ++i) {
      cursors_[i]->Reset();  // from the first row again; the bindings stay
      more[i] = cursors_[i]->Step();
    }
    std::vector<Reading> readings(cursors_.size());
    for (;;) {
      uint64_t time = UINT64_MAX;
      for (std::size_t i = 0; i < cursors_.size(); ++i)
        if (more[i]) time = std::min<uint64_t>(time, static_cast<uint64_t>(cursors_[i]->Int(0)));
      if (time == UINT64_MAX) return 1;
      for (std::size_t i = 0; i < cursors_.size(); ++i) {
        Reading& r = readings[i];
        r = Reading{};
        SqliteStatement& c = *cursors_[i];
        if (!more[i] || static_cast<uint64_t>(c.Int(0)) != time) continue;
        r.present = true;
        r.raw = static_cast<int16_t>(c.Int(1));
        r.valid = !c.IsNull(2);
        r.value = static_cast<int32_t>(c.Int(2));
        r.exponent = static_cast<int8_t>(c.Int(3));
        more[i] = c.Step();
      }
      if (!row(static_cast<uint32_t>(time), readings)) return 0;
    }
  }

  std::vector<SeriesChannel> channels_;
  std::vector<std::unique_ptr<SqliteStatement>> cursors_;
  std::string error_;
};

}  // namespace

std::vector<SeriesChannel> SqliteStore::ColumnsOf(uint16_t site) {
  std::vector<SeriesChannel> all;
  SqliteStatement& channels = sql_->siteChannels;
  channels.Bind(1, site);
  while (channels.Step()) {
    SeriesChannel c;
    c.kind = KindFromCode(channels.Int(0));
    c.key = static_cast<uint16_t>(channels.Int(1));
    c.name = channels.Text(2);
    c.typeName = channels.Text(3);
    const std::string units = channels.Text(4);
    c.unitsLetter = units.empty() ? ' ' : units[0];
    c.exponent = static_cast<int>(channels.Int(5));
    c.digital = channels.Int(6) != 0;
    all.push_back(std::move(c));
  }
  channels.Reset();

  // The newest log's table gives the order; the rest follow by kind and key.
  std::vector<SeriesChannel> newest;
  sql_->newestImport.Bind(1, site);
  if (sql_->newestImport.Step()) {
    sql_->importChannels.Bind(1, sql_->newestImport.Int(0));
    while (sql_->importChannels.Step()) {
      const ChannelId id{KindFromCode(sql_->importChannels.Int(0)), static_cast<uint16_t>(sql_->importChannels.Int(1))};
      const auto at = std::find_if(all.begin(), all.end(), [id](const SeriesChannel& c) { return IdOf(c) == id; });
      if (at != all.end()) newest.push_back(*at);
    }
    sql_->importChannels.Reset();
  }
  sql_->newestImport.Reset();
  ChannelTable table;
  table.Add(newest);
  table.Add(all);
  return table.Columns();
}

std::unique_ptr<Series> SqliteStore::Export(uint16_t site, uint32_t from, uint32_t to) {
  try {
    SqliteStatement& sites = sql_->sites;
    sites.Bind(1, site);
    const bool known = sites.Step();
    sites.Reset();
    if (!known) return nullptr;
    return std::make_unique<StoredSeries>(*db_, ColumnsOf(site), site, from, to);
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
}

std::vector<LogSpan> SqliteStore::Spans(uint16_t site, uint32_t from, uint32_t to) {
  std::vector<LogSpan> spans;
  try {
    SqliteStatement& s = sql_->siteSpans;
    s.Bind(1, site).Bind(2, from).Bind(3, to);
    while (s.Step())
      spans.push_back({static_cast<uint32_t>(s.Int(0)), static_cast<uint32_t>(s.Int(1)), static_cast<uint16_t>(s.Int(2))});
    s.Reset();
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
  return ClipSpans(spans, from, to);
}

namespace {

int64_t CountOf(SqliteStatement& count, uint16_t site) {
  count.Bind(1, site);
  const int64_t n = count.Step() ? count.Int(0) : 0;
  count.Reset();
  return n;
}

}  // namespace

std::vector<SiteSummary> SqliteStore::Summaries(std::optional<uint16_t> site) {
  std::vector<SiteSummary> summaries;
  try {
    SqliteStatement& sites = sql_->sites;
    sites.Bind(1, site ? int64_t{*site} : -1);
    while (sites.Step()) summaries.push_back({static_cast<uint16_t>(sites.Int(0)), sites.Text(1), {}, 0, 0, 0, 0, 0, {}});
    sites.Reset();
    for (SiteSummary& s : summaries) {
      s.channels = ColumnsOf(s.site);
      SummarizeSpans(s, Spans(s.site, 0, UINT32_MAX));
      s.readings = CountOf(sql_->readingCount, s.site);
      s.conflicts = CountOf(sql_->conflictCount, s.site);
    }
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
  return summaries;
}

}  // namespace zerb
