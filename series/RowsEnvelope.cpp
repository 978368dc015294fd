#include "series/RowsEnvelope.h"

#include <algorithm>
#include <cmath>

namespace zerb {

namespace {

class Summing {
 public:
  Summing(const HeldRows& rows, SeriesEnvelope& e) : rows_(rows), e_(e) {}

  // Each channel's column of `bucket` from the rows [begin, end); the rows
  // past `to` start no stretch on.
  void Add(int64_t bucket, std::size_t begin, std::size_t end) {
    for (std::size_t c = 0; c < e_.cells.size(); ++c) {
      auto& cells = e_.cells[c];
      if (cells.empty() || cells.back().bucket != bucket) cells.push_back(EnvelopeColumn{bucket, {}, false, {}, 0, 0, 0, 0});
      EnvelopeColumn& column = cells.back();
      const std::vector<float>& values = rows_.values[c];
      for (std::size_t r = begin; r < end; ++r) {
        const float v = values[r];
        const int64_t t = rows_.times[r];
        if (std::isnan(v)) {
          column.broken = true;
          continue;
        }
        (column.broken ? column.after : column.before).Add({t, v});
        if (v == 0 || t > e_.to) continue;
        if (column.on++ == 0) column.firstOn = t;
        column.lastOn = t;
        column.lastOnEnd = r + 1 < end ? rows_.times[r + 1] : rows_.nextRow(t);
      }
    }
  }

  bool IsBreak(int64_t time) const { return std::binary_search(rows_.breaks.begin(), rows_.breaks.end(), time); }

 private:
  const HeldRows& rows_;
  SeriesEnvelope& e_;
};

void SortCells(SeriesEnvelope& e) {
  for (auto& cells : e.cells)
    std::sort(cells.begin(), cells.end(), [](const EnvelopeColumn& a, const EnvelopeColumn& b) { return a.bucket < b.bucket; });
}

}  // namespace

SeriesEnvelope EnvelopeOfRows(const HeldRows& rows, std::vector<SeriesChannel> channels, uint32_t interval,
                              int64_t from, int64_t to, int64_t columns) {
  SeriesEnvelope e;
  e.from = from, e.to = to, e.columns = columns, e.interval = interval;
  e.channels = std::move(channels);
  e.cells.resize(e.channels.size());
  Summing sum(rows, e);
  const std::span<const int64_t> times = rows.times;
  const std::size_t lo = std::size_t(std::lower_bound(times.begin(), times.end(), from) - times.begin());
  const std::size_t hi = std::size_t(std::upper_bound(times.begin(), times.end(), to) - times.begin());
  for (std::size_t begin = lo; begin < hi;) {
    const int64_t bucket = BucketOf(times[begin], from, to, columns);
    const int64_t next = BucketStart(bucket + 1, from, to, columns);
    std::size_t end = begin;
    for (; end < hi && times[end] < next; ++end) {
      if (sum.IsBreak(times[end])) continue;
      ++e.rows;
      if (!e.first) e.first = times[end];
      e.last = times[end];
    }
    sum.Add(bucket, begin, end);
    begin = end;
  }
  // The row just before `from`: a stretch of its own, and where an on/off
  // channel stands at `from` when no row is there.
  if (lo > 0) {
    sum.Add(BeforeBucket, lo - 1, lo);
    if (lo < hi && times[lo] == from)
      for (auto& cells : e.cells) {
        EnvelopeColumn& column = cells.back();
        column.on = 0, column.firstOn = column.lastOn = column.lastOnEnd = 0;
      }
  }
  SortCells(e);
  // The row just after `to`, in its bucket: where lines leave the range.
  if (hi < times.size()) sum.Add(BucketOf(times[hi], from, to, columns), hi, hi + 1);
  return e;
}

}  // namespace zerb
