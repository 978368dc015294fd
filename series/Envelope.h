#pragma once
// A series summed up for drawing at a given width: the time range [from,
// to] cut into `columns` equal buckets and, per channel and bucket, what a
// plot keeps of a pixel column (its first, lowest, highest and last reading
// and where a missing value breaks the line), which draws the same picture
// as every row. A year of readings comes to a few thousand cells.
//
// Buckets: bucket k holds the rows with from + k*(to-from)/columns <= time <
// from + (k+1)*(to-from)/columns, in exact integer arithmetic (BucketOf);
// a row at `to` falls in bucket `columns`, and the first row after `to` in
// its own bucket by the same rule (a plot draws one row beyond each end so
// that lines reach the edges). The last row before `from` is bucket
// BeforeBucket.

#include <cstdint>
#include <optional>
#include <vector>

#include "series/Series.h"

namespace zerb {

// floor((time - from) * columns / (to - from)); needs to > from, columns > 0.
int64_t BucketOf(int64_t time, int64_t from, int64_t to, int64_t columns);
// The first whole second of bucket k: the least time whose BucketOf is k.
int64_t BucketStart(int64_t bucket, int64_t from, int64_t to, int64_t columns);

// A reading's value as a plot draws it: value × 10^exponent as a float; NaN
// where the device gives none or the channel has no reading.
float PlotValue(const Reading& reading);
float PlotValue(int32_t value, int8_t exponent);

struct EnvelopePoint {
  int64_t time = 0;
  float value = 0;
  friend bool operator==(const EnvelopePoint&, const EnvelopePoint&) = default;
};

// Readings with a value, in time order: the first, the lowest and the
// highest (the earliest of equal ones) and the last.
struct EnvelopeCell {
  uint32_t count = 0;  // 0: none, the points mean nothing
  EnvelopePoint first, low, high, last;
  void Add(EnvelopePoint p);  // p later than every point added before
  friend bool operator==(const EnvelopeCell&, const EnvelopeCell&) = default;
};

constexpr int64_t BeforeBucket = INT64_MIN;

// One channel in one bucket. A row of the bucket without a value for the
// channel (the device gave none, the channel has no reading there, or a gap
// between logs begins) breaks its line: `before` holds the readings before
// the first such row, `after` every reading after it.
struct EnvelopeColumn {
  int64_t bucket = 0;
  EnvelopeCell before;
  bool broken = false;
  EnvelopeCell after;
  // On/off channels, over the rows up to `to` only: the first and last row
  // on (a value other than 0) and the time of the row after the last one
  // on, where that reading stops holding. on == 0: none.
  uint32_t on = 0;
  int64_t firstOn = 0, lastOn = 0, lastOnEnd = 0;
  friend bool operator==(const EnvelopeColumn&, const EnvelopeColumn&) = default;
};

struct SeriesEnvelope {
  int64_t from = 0, to = 0;
  int64_t columns = 0;
  std::vector<SeriesChannel> channels;
  // Per channel, the buckets that hold a row, in time order (the row
  // before `from` first where there is one).
  std::vector<std::vector<EnvelopeColumn>> cells;
  int64_t rows = 0;                     // rows in [from, to]
  std::optional<int64_t> first, last;   // the first and last row time in [from, to]
  uint32_t interval = 0;                // the least step between rows: how long the last row holds
};

}  // namespace zerb
