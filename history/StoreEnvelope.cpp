#include "history/StoreEnvelope.h"

#include <algorithm>
#include <cmath>
#include <map>

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

// The readings of [@2, @3], in no order: sorted by time here, so that no
// engine sorts them.
const char* const kValues =
    "SELECT r.kind, r.key, r.meaning, r.time, r.value, r.exponent " ZERB_SITE_READINGS("BETWEEN @2 AND @3");
// The nearest row time before or after @2: per channel one step down its
// readings' key; over the join, both engines would read every reading on
// that side of @2.
#define ZERB_NEAREST_ROW(extreme, side)                                                                    \
  "SELECT " extreme "((SELECT " extreme "(r.time) FROM readings r WHERE r.site = c.site AND r.kind = c.kind " \
  "AND r.key = c.key AND r.time " side " @2)) FROM channels c WHERE c.site = @1"
const char* const kRowBefore = ZERB_NEAREST_ROW("max", "<");
const char* const kRowAfter = ZERB_NEAREST_ROW("min", ">");

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
    AddBuckets(from_, to_);
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

  std::optional<int64_t> Edge(const char* sql, int64_t time) {
    std::optional<int64_t> edge;
    q_.Run(sql, Params({time}), [&](const EnvelopeQueries::Row& row) {
      if (!row.IsNull(0)) edge = row.Int(0);
    });
    return edge;
  }

  // One reading of the rows read back: its column's value (NaN: none), or
  // NoColumn for a reading of no column or a gap's break, which still make
  // a row.
  struct Value {
    int64_t time;
    uint32_t column;
    float value;
  };
  static constexpr uint32_t NoColumn = UINT32_MAX;

  // The readings of [first, last] and the gap breaks there, by time.
  std::vector<Value> ValuesIn(int64_t first, int64_t last) {
    std::vector<Value> values;
    std::optional<std::pair<ColumnKey, uint32_t>> recent;  // a channel's readings mostly come together
    q_.Run(kValues, Params({first, last}), [&](const EnvelopeQueries::Row& row) {
      const ColumnKey key{IdAt(row, 0), row.Int(2)};
      if (!recent || recent->first != key) {
        const auto found = column_.find(key);
        recent = {key, found != column_.end() ? static_cast<uint32_t>(found->second) : NoColumn};
      }
      values.push_back({row.Int(3), row.IsNull(4) ? NoColumn : recent->second,
                        PlotValue(static_cast<int32_t>(row.Int(4)), static_cast<int8_t>(row.Int(5)))});
    });
    for (int64_t t : breaks_)
      if (t >= first && t <= last) values.push_back({t, NoColumn, 0});
    std::sort(values.begin(), values.end(), [](const Value& a, const Value& b) { return a.time < b.time; });
    return values;
  }

  // Values by time made rows.
  std::vector<PlotRow> RowsOf(std::vector<Value>::const_iterator begin, std::vector<Value>::const_iterator end) const {
    std::vector<PlotRow> rows;
    const std::size_t channels = result_.series.channels.size();
    for (auto v = begin; v != end; ++v) {
      if (rows.empty() || rows.back().time != v->time) rows.push_back({v->time, std::vector<float>(channels, std::nanf(""))});
      if (v->column != NoColumn) rows.back().values[v->column] = v->value;
    }
    return rows;
  }

  // The rows of [first, last], gap breaks among them, oldest first.
  std::vector<PlotRow> RowsIn(int64_t first, int64_t last) {
    const std::vector<Value> values = ValuesIn(first, last);
    return RowsOf(values.begin(), values.end());
  }

  // Every bucket of [first, last] from its rows, read in one statement;
  // the stored rows among them (gap breaks are none) counted in the
  // series' rows, first and last.
  void AddBuckets(int64_t first, int64_t last) {
    const std::vector<Value> values = ValuesIn(first, last);
    SeriesEnvelope& e = result_.series;
    for (auto begin = values.begin(); begin != values.end();) {
      const int64_t bucket = Bucket(begin->time);
      const int64_t next = BucketStart(bucket + 1, from_, to_, width_);
      const auto stop = std::find_if(begin, values.end(), [&](const Value& v) { return v.time >= next; });
      const std::vector<PlotRow> rows = RowsOf(begin, stop);
      for (const PlotRow& row : rows) {
        if (std::find(breaks_.begin(), breaks_.end(), row.time) != breaks_.end()) continue;
        ++e.rows;
        if (!e.first) e.first = row.time;
        e.last = row.time;
      }
      AddRows(bucket, rows);
      begin = stop;
    }
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
