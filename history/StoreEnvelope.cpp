#include "history/StoreEnvelope.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "history/Spans.h"

namespace zerb {

namespace {

// Readings are reached through the site's channels, so that each channel's
// readings are one range of the readings' key (site, kind, key, time). The
// CROSS JOIN keeps SQLite's planner to that order: left to itself it walks
// every reading of the site and looks its channel up.
#define ZERB_SITE_READINGS(range)                                                                 \
  "FROM channels c CROSS JOIN readings r WHERE c.site = @1 AND r.site = c.site AND r.kind = c.kind " \
  "AND r.key = c.key AND r.time " range

// Per column (kind, key, meaning) and bucket of [@2, @3] (@4 columns, @5 =
// @3 - @2): the readings, those with a value, and the first, last, lowest
// and highest of those packed with their time into one whole number each
// (Packed below), and the rows on.
const char* const kFigures =
    "SELECT r.kind, r.key, r.meaning, (r.time - @2) * @4 / @5 AS b, count(*), count(r.value), "
    "min((r.time - @2) * 4294967296 + r.value + 2147483648), max((r.time - @2) * 4294967296 + r.value + 2147483648), "
    "min(r.value * 2147483648 + (r.time - @2)), max(r.value * 2147483648 + (2147483647 - (r.time - @2))), "
    "sum(CASE WHEN r.value <> 0 THEN 1 ELSE 0 END), min(CASE WHEN r.value <> 0 THEN r.time END), "
    "max(CASE WHEN r.value <> 0 THEN r.time END), min(r.exponent) " ZERB_SITE_READINGS("BETWEEN @2 AND @3")
    " GROUP BY r.kind, r.key, r.meaning, b";
// Per bucket, the rows (distinct times).
const char* const kRowCounts =
    "SELECT (t.time - @2) * @4 / @5 AS b, count(*) FROM (SELECT DISTINCT r.time "
    ZERB_SITE_READINGS("BETWEEN @2 AND @3") ") AS t GROUP BY b";
const char* const kValues =
    "SELECT r.kind, r.key, r.meaning, r.time, r.value, r.exponent " ZERB_SITE_READINGS("BETWEEN @2 AND @3")
    " ORDER BY r.time";
// The nearest row time before or after @2: per channel one step down its
// readings' key; over the join, both engines would read every reading on
// that side of @2.
#define ZERB_NEAREST_ROW(extreme, side)                                                                    \
  "SELECT " extreme "((SELECT " extreme "(r.time) FROM readings r WHERE r.site = c.site AND r.kind = c.kind " \
  "AND r.key = c.key AND r.time " side " @2)) FROM channels c WHERE c.site = @1"
const char* const kRowBefore = ZERB_NEAREST_ROW("max", "<");
const char* const kRowAfter = ZERB_NEAREST_ROW("min", ">");

// The packed figures: time offsets below 2^31, values of 32 bits.
constexpr int64_t Low31 = (int64_t{1} << 31) - 1;
EnvelopePoint FirstOrLast(int64_t packed, int64_t from, int8_t exponent) {
  const int64_t value = (packed & 0xffffffff) - (int64_t{1} << 31);
  return {from + (packed >> 32), PlotValue(static_cast<int32_t>(value), exponent)};
}
EnvelopePoint Lowest(int64_t packed, int64_t from, int8_t exponent) {
  return {from + (packed & Low31), PlotValue(static_cast<int32_t>(packed >> 31), exponent)};
}
EnvelopePoint Highest(int64_t packed, int64_t from, int8_t exponent) {
  return {from + (Low31 - (packed & Low31)), PlotValue(static_cast<int32_t>(packed >> 31), exponent)};
}

struct ColumnKey {
  ChannelId id;
  int64_t meaning = 0;
  friend auto operator<=>(const ColumnKey&, const ColumnKey&) = default;
};

ChannelId IdAt(const EnvelopeQueries::Row& row, int column) {
  return {static_cast<ChannelKind>(row.Int(column)), static_cast<uint16_t>(row.Int(column + 1))};
}

// One row of the series: a value per channel (NaN: none).
struct PlotRow {
  int64_t time = 0;
  std::vector<float> values;
};

class Builder {
 public:
  Builder(EnvelopeQueries& queries, const StoredColumns& columns, const std::vector<LogSpan>& spans, uint32_t site,
          int64_t from, int64_t to, int width)
      : q_(queries), spans_(spans), site_(site), from_(from), to_(to), width_(width) {
    SeriesEnvelope& e = result_.series;
    e.from = from, e.to = to, e.columns = width;
    e.channels = columns.columns;
    e.cells.resize(e.channels.size());
    for (std::size_t i = 0; i < e.channels.size(); ++i) column_[{IdOf(e.channels[i]), columns.meanings[i]}] = i;
    const std::vector<Gap> gaps = FindGaps(spans);
    breaks_ = GapBreaks(gaps);
    for (const Gap& gap : gaps)
      if (gap.before >= from && gap.after <= to) result_.gaps.push_back(gap);
    for (const LogSpan& span : spans)
      if (span.interval > 0) Least(span.interval);
    for (std::size_t g = 0; g < gaps.size(); ++g) {
      Least(breaks_[g] - gaps[g].after);
      Least(gaps[g].before - breaks_[g]);
    }
  }

  SiteEnvelope Build() {
    CountRows();
    Figures();
    DetailRuns();
    Before();
    After();
    for (auto& cells : result_.series.cells)
      std::sort(cells.begin(), cells.end(), [](const EnvelopeColumn& a, const EnvelopeColumn& b) {
        return a.bucket < b.bucket;
      });
    return std::move(result_);
  }

 private:
  void Least(int64_t step) {
    uint32_t& interval = result_.series.interval;
    if (step > 0 && (interval == 0 || step < interval)) interval = static_cast<uint32_t>(std::min<int64_t>(step, UINT32_MAX));
  }
  int64_t Bucket(int64_t time) const { return BucketOf(time, from_, to_, width_); }
  std::vector<int64_t> Params(std::initializer_list<int64_t> more) const {
    std::vector<int64_t> params{int64_t{site_}};
    params.insert(params.end(), more);
    return params;
  }

  // Rows per bucket, gap breaks counted, and the first and last row.
  void CountRows() {
    q_.Run(kRowCounts, Params({from_, to_, width_, to_ - from_}), [&](const EnvelopeQueries::Row& row) {
      rows_[row.Int(0)] += row.Int(1);
      result_.series.rows += row.Int(1);
    });
    for (int64_t t : breaks_)
      if (t >= from_ && t <= to_) ++rows_[Bucket(t)], detailed_.insert(Bucket(t));
    if (result_.series.rows > 0) {
      result_.series.first = Edge(kRowAfter, from_ - 1);
      result_.series.last = Edge(kRowBefore, to_ + 1);
    }
  }

  std::optional<int64_t> Edge(const char* sql, int64_t time) {
    std::optional<int64_t> edge;
    q_.Run(sql, Params({time}), [&](const EnvelopeQueries::Row& row) {
      if (!row.IsNull(0)) edge = row.Int(0);
    });
    return edge;
  }

  // The buckets the GROUP BY sums up whole; a bucket where a channel lacks
  // a value in some row is read back row by row.
  void Figures() {
    std::map<std::pair<std::size_t, int64_t>, bool> seen;
    q_.Run(kFigures, Params({from_, to_, width_, to_ - from_}), [&](const EnvelopeQueries::Row& row) {
      const auto found = column_.find({IdAt(row, 0), row.Int(2)});
      if (found == column_.end()) return;
      const std::size_t c = found->second;
      const int64_t bucket = row.Int(3), readings = row.Int(4), valid = row.Int(5);
      seen[{c, bucket}] = true;
      if (valid > 0 && (valid < readings || readings < rows_[bucket])) detailed_.insert(bucket);
      if (detailed_.count(bucket)) return;
      const auto exponent = static_cast<int8_t>(row.Int(13));
      EnvelopeColumn column;
      column.bucket = bucket;
      column.broken = valid < rows_[bucket];
      if (valid > 0) {
        EnvelopeCell& cell = column.before;
        cell.count = static_cast<uint32_t>(valid);
        cell.first = FirstOrLast(row.Int(6), from_, exponent);
        cell.last = FirstOrLast(row.Int(7), from_, exponent);
        cell.low = Lowest(row.Int(8), from_, exponent);
        cell.high = Highest(row.Int(9), from_, exponent);
      }
      if (row.Int(10) > 0 && !row.IsNull(11)) {
        column.on = static_cast<uint32_t>(row.Int(10));
        column.firstOn = row.Int(11);
        column.lastOn = row.Int(12);
        column.lastOnEnd = NextRow(column.lastOn);
      }
      result_.series.cells[c].push_back(column);
    });
    // A channel without a reading in a bucket that has rows: its line breaks.
    for (const auto& [bucket, count] : rows_) {
      if (count == 0 || detailed_.count(bucket)) continue;
      for (std::size_t c = 0; c < result_.series.cells.size(); ++c)
        if (!seen.count({c, bucket})) result_.series.cells[c].push_back({bucket, {}, true, {}, 0, 0, 0, 0});
    }
    for (auto& cells : result_.series.cells)
      std::erase_if(cells, [&](const EnvelopeColumn& column) { return detailed_.count(column.bucket) > 0; });
  }

  // The rows of [first, last], gap breaks among them, oldest first.
  std::vector<PlotRow> RowsIn(int64_t first, int64_t last) {
    std::map<int64_t, std::vector<float>> rows;
    const std::size_t channels = result_.series.channels.size();
    const float none = std::nanf("");
    q_.Run(kValues, Params({first, last}), [&](const EnvelopeQueries::Row& row) {
      const auto found = column_.find({IdAt(row, 0), row.Int(2)});
      auto& values = rows[row.Int(3)];
      if (values.empty()) values.assign(channels, none);
      if (found != column_.end() && !row.IsNull(4))
        values[found->second] = PlotValue(static_cast<int32_t>(row.Int(4)), static_cast<int8_t>(row.Int(5)));
    });
    for (int64_t t : breaks_)
      if (t >= first && t <= last && !rows.count(t)) rows[t].assign(channels, none);
    std::vector<PlotRow> list;
    for (auto& [time, values] : rows) list.push_back({time, std::move(values)});
    return list;
  }

  // Each channel's column of `bucket` from its rows; the rows past `to`
  // start no stretch on.
  void AddRows(int64_t bucket, const std::vector<PlotRow>& rows) {
    for (std::size_t c = 0; c < result_.series.cells.size(); ++c) {
      auto& cells = result_.series.cells[c];
      if (cells.empty() || cells.back().bucket != bucket) cells.push_back(EnvelopeColumn{bucket, {}, false, {}, 0, 0, 0, 0});
      EnvelopeColumn& column = cells.back();
      for (std::size_t r = 0; r < rows.size(); ++r) {
        const float v = rows[r].values[c];
        const int64_t t = rows[r].time;
        if (std::isnan(v)) {
          column.broken = true;
          continue;
        }
        (column.broken ? column.after : column.before).Add({t, v});
        if (v == 0 || t > to_) continue;
        if (column.on++ == 0) column.firstOn = t;
        column.lastOn = t;
        column.lastOnEnd = r + 1 < rows.size() ? rows[r + 1].time : NextRow(t);
      }
    }
  }

  // The buckets read back row by row, a run of neighbouring buckets in one
  // statement: on real data most buckets hold a missing value somewhere, and
  // a statement per bucket would cost a year's plot minutes.
  void DetailRuns() {
    for (auto run = detailed_.begin(); run != detailed_.end();) {
      auto end = std::next(run);
      int64_t lastBucket = *run;
      while (end != detailed_.end() && *end == lastBucket + 1) lastBucket = *end++;
      const int64_t first = std::max(from_, BucketStart(*run, from_, to_, width_));
      const int64_t last = std::min(to_, BucketStart(lastBucket + 1, from_, to_, width_) - 1);
      std::vector<PlotRow> rows = RowsIn(first, last);
      for (auto begin = rows.begin(); begin != rows.end();) {
        const int64_t bucket = Bucket(begin->time);
        auto stop = std::find_if(begin, rows.end(), [&](const PlotRow& row) { return Bucket(row.time) != bucket; });
        AddRows(bucket, std::vector<PlotRow>(std::make_move_iterator(begin), std::make_move_iterator(stop)));
        begin = stop;
      }
      run = end;
    }
  }

  // The row just before `from`: a stretch of its own, and where an on/off
  // channel stands at `from` when no row is there.
  void Before() {
    std::optional<int64_t> time = Edge(kRowBefore, from_);
    for (int64_t t : breaks_)
      if (t < from_ && (!time || t > *time)) time = t;
    if (!time) return;
    AddRows(BeforeBucket, RowsIn(*time, *time));
    const bool rowAtFrom = (result_.series.first && *result_.series.first == from_) ||
                           std::find(breaks_.begin(), breaks_.end(), from_) != breaks_.end();
    for (auto& cells : result_.series.cells) {
      EnvelopeColumn& column = cells.back();
      if (rowAtFrom) column.on = 0, column.firstOn = column.lastOn = column.lastOnEnd = 0;
      else if (column.on > 0) column.lastOnEnd = NextRow(column.lastOn);
    }
  }

  // The row just after `to`, in its bucket: where lines leave the range.
  void After() {
    std::optional<int64_t> time = Edge(kRowAfter, to_);
    for (int64_t t : breaks_)
      if (t > to_ && (!time || t < *time)) time = t;
    if (!time) return;
    const std::vector<PlotRow> rows = RowsIn(*time, *time);
    const int64_t bucket = Bucket(*time);
    for (auto& cells : result_.series.cells)
      std::sort(cells.begin(), cells.end(), [](const EnvelopeColumn& a, const EnvelopeColumn& b) {
        return a.bucket < b.bucket;
      });
    AddRows(bucket, rows);
  }

  // The time of the row after `time`: the next time on the grid of a
  // stored log, or a gap's break; a row without one holds for the interval.
  int64_t NextRow(int64_t time) const {
    int64_t next = INT64_MAX;
    for (const LogSpan& span : spans_) {
      if (span.last <= time) continue;
      if (span.first > time) {
        next = std::min(next, span.first);
      } else if (span.interval > 0) {
        next = std::min(next, span.first + ((time - span.first) / span.interval + 1) * span.interval);
      }
    }
    for (int64_t t : breaks_)
      if (t > time) next = std::min(next, t);
    return next != INT64_MAX ? next : time + std::max<int64_t>(result_.series.interval, 1);
  }

  EnvelopeQueries& q_;
  const std::vector<LogSpan>& spans_;
  uint32_t site_;
  int64_t from_, to_, width_;
  std::map<ColumnKey, std::size_t> column_;
  std::vector<int64_t> breaks_;
  std::map<int64_t, int64_t> rows_;  // per bucket
  std::set<int64_t> detailed_;
  SiteEnvelope result_;
};

}  // namespace

std::string EnvelopeRangeProblem(int64_t from, int64_t to, int columns) {
  if (!(to > from)) return "the range to sum up is empty";
  if (to - from >= (int64_t{1} << 31)) return "the range to sum up is longer than 68 years";
  if (columns <= 0 || columns > 1000000) return "the width to sum up for is not 1 to 1,000,000 columns";
  return {};
}

SiteEnvelope BuildEnvelope(EnvelopeQueries& queries, const StoredColumns& columns, const std::vector<LogSpan>& spans,
                           uint32_t site, int64_t from, int64_t to, int width) {
  if (const std::string problem = EnvelopeRangeProblem(from, to, width); !problem.empty()) throw StoreError(problem);
  return Builder(queries, columns, spans, site, from, to, width).Build();
}

}  // namespace zerb
