#include "history/StoreEnvelope.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include "history/Spans.h"
#include "series/RowsEnvelope.h"

namespace zerb {

namespace {

// Readings are reached through the site's channels, so that each channel's
// readings are one range of the readings' key (site, kind, key, time). The
// CROSS JOIN keeps SQLite's planner to that order: left to itself it walks
// every reading of the site and looks its channel up.
#define ZERB_SITE_READINGS(range)                                                                 \
  "FROM channels c CROSS JOIN readings r WHERE c.site = @1 AND r.site = c.site AND r.kind = c.kind " \
  "AND r.key = c.key AND r.time " range

// The readings of [@2, @3], in no order: laid on their rows' times here, so
// that no engine sorts them.
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

// A column's readings as read: mostly in time order already, as each
// channel's readings are one range of their key.
using ColumnReadings = std::vector<std::pair<int64_t, float>>;

// The times of `readings`, oldest first, merged into `times` (sorted, each
// once); the usual case, a column on times `times` already holds, costs a
// comparison or two per reading.
void MergeTimes(std::vector<int64_t>& times, const ColumnReadings& readings) {
  std::size_t at = 0;
  auto held = [&](const auto& reading) {
    while (at < times.size() && times[at] < reading.first) ++at;
    return at < times.size() && times[at] == reading.first;
  };
  if (std::all_of(readings.begin(), readings.end(), held)) return;
  std::vector<int64_t> own(readings.size()), merged;
  std::transform(readings.begin(), readings.end(), own.begin(), [](const auto& reading) { return reading.first; });
  merged.reserve(std::max(times.size(), own.size()));
  std::set_union(times.begin(), times.end(), own.begin(), own.end(), std::back_inserter(merged));
  times = std::move(merged);
}

class Builder {
 public:
  Builder(EnvelopeQueries& queries, const StoredColumns& columns, const std::vector<LogSpan>& spans, uint32_t site,
          int64_t from, int64_t to, int width)
      : q_(queries), columns_(columns), grid_(spans), site_(site), from_(from), to_(to), width_(width) {
    for (std::size_t i = 0; i < columns.columns.size(); ++i) column_[{IdOf(columns.columns[i]), columns.meanings[i]}] = i;
  }

  SiteEnvelope Build() {
    const int64_t first = Edge(from_, true).value_or(from_);
    const int64_t last = Edge(to_, false).value_or(to_);
    ReadRows(first, last);
    HeldRows rows{times_, values_, grid_.Breaks(), [this](int64_t t) { return grid_.NextRow(t); }};
    SiteEnvelope result;
    result.series = EnvelopeOfRows(rows, columns_.columns, grid_.Interval(), from_, to_, width_);
    for (const Gap& gap : grid_.Gaps())
      if (gap.before >= from_ && gap.after <= to_) result.gaps.push_back(gap);
    return result;
  }

 private:
  std::vector<int64_t> Params(std::initializer_list<int64_t> more) const {
    std::vector<int64_t> params{int64_t{site_}};
    params.insert(params.end(), more);
    return params;
  }

  // The nearest row before `time` (or after it): a stored reading's or a
  // gap's break.
  std::optional<int64_t> Edge(int64_t time, bool before) {
    std::optional<int64_t> edge;
    q_.Run(before ? kRowBefore : kRowAfter, Params({time}), [&](const EnvelopeQueries::Row& row) {
      if (!row.IsNull(0)) edge = row.Int(0);
    });
    for (int64_t t : grid_.Breaks())
      if (before ? t < time && (!edge || t > *edge) : t > time && (!edge || t < *edge)) edge = t;
    return edge;
  }

  // Every row of [first, last], gap breaks among them: the readings read in
  // one statement, put in their columns, then the columns laid on the
  // rows' times.
  void ReadRows(int64_t first, int64_t last) {
    std::vector<ColumnReadings> readings(columns_.columns.size());
    std::vector<int64_t> others;  // readings of no column, or without a value: they still make a row
    std::optional<std::pair<ColumnKey, std::size_t>> recent;  // a channel's readings mostly come together
    q_.Run(kValues, Params({first, last}), [&](const EnvelopeQueries::Row& row) {
      const ColumnKey key{IdAt(row, 0), row.Int(2)};
      if (!recent || recent->first != key) {
        const auto found = column_.find(key);
        recent = {key, found != column_.end() ? found->second : readings.size()};
      }
      const int64_t time = row.Int(3);
      if (recent->second == readings.size() || row.IsNull(4)) {
        others.push_back(time);
        return;
      }
      readings[recent->second].emplace_back(
          time, PlotValue(static_cast<int32_t>(row.Int(4)), static_cast<int8_t>(row.Int(5))));
    });
    for (const int64_t t : grid_.Breaks())
      if (t >= first && t <= last) others.push_back(t);
    std::sort(others.begin(), others.end());
    others.erase(std::unique(others.begin(), others.end()), others.end());
    times_ = std::move(others);
    for (ColumnReadings& column : readings) {
      if (!std::is_sorted(column.begin(), column.end())) std::sort(column.begin(), column.end());
      MergeTimes(times_, column);
    }
    values_.assign(readings.size(), std::vector<float>(times_.size(), std::nanf("")));
    for (std::size_t c = 0; c < readings.size(); ++c) {
      std::size_t r = 0;
      for (const auto& [time, value] : readings[c]) {
        while (times_[r] < time) ++r;
        values_[c][r] = value;
      }
    }
  }

  EnvelopeQueries& q_;
  const StoredColumns& columns_;
  SiteGrid grid_;
  uint32_t site_;
  int64_t from_, to_, width_;
  std::map<ColumnKey, std::size_t> column_;
  std::vector<int64_t> times_;
  std::vector<std::vector<float>> values_;
};

}  // namespace

SiteGrid::SiteGrid(std::vector<LogSpan> spans) : spans_(std::move(spans)), gaps_(FindGaps(spans_)), breaks_(GapBreaks(gaps_)) {
  const auto least = [this](int64_t step) {
    if (step > 0 && (interval_ == 0 || step < interval_)) interval_ = static_cast<uint32_t>(std::min<int64_t>(step, UINT32_MAX));
  };
  for (const LogSpan& span : spans_)
    if (span.interval > 0) least(span.interval);
  for (std::size_t g = 0; g < gaps_.size(); ++g) {
    least(breaks_[g] - gaps_[g].after);
    least(gaps_[g].before - breaks_[g]);
  }
}

int64_t SiteGrid::NextRow(int64_t time) const {
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
  return next != INT64_MAX ? next : time + std::max<int64_t>(interval_, 1);
}

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
