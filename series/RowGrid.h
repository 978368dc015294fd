#pragma once
// Rows held in memory as flat arrays, for a writer that walks them without
// a call per row.

#include <cstdint>
#include <span>

#include "series/Series.h"

namespace zerb {

struct RowGrid {
  std::span<const int64_t> times;     // oldest first; each shown as its 32-bit clock reading
  std::span<const int64_t> anchors;   // per row: RowAnchor() during a walk
  std::span<const Reading> readings;  // row after row, one per channel
};

// A series whose rows ForEachRow visits are those of its grid, in order.
class GridSeries : public Series {
 public:
  virtual RowGrid Grid() const = 0;
};

}  // namespace zerb
