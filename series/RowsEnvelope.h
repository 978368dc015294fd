#pragma once
// A series' envelope (series/Envelope.h) worked out from its rows held in
// memory: the one place the rows of a range become per-bucket cells, for a
// store's read of a range and for rows a window already holds.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "series/Envelope.h"

namespace zerb {

struct HeldRows {
  std::span<const int64_t> times;                 // oldest first, each once
  std::span<const std::vector<float>> values;     // [channel][row]; NaN: no value
  std::span<const int64_t> breaks;                // rows that open a gap (no stored row), oldest first
  // The time of the row after a row at `time`, where that row's reading
  // stops holding (an on/off stretch's end) when no held row follows it in
  // its bucket.
  std::function<int64_t(int64_t time)> nextRow;
};

// The envelope of [from, to] in `columns` buckets (to > from, columns > 0)
// of `rows`, which hold every row of [from, to], the last row before
// `from` and the first after `to` where the series has them; `channels`
// and `interval` are the envelope's.
SeriesEnvelope EnvelopeOfRows(const HeldRows& rows, std::vector<SeriesChannel> channels, uint32_t interval,
                              int64_t from, int64_t to, int64_t columns);

}  // namespace zerb
