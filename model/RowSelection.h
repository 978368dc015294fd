#pragma once
// Which rows of a log a walk writes (TLog::WalkRows): row r is written when
// it is at or after the start row of the new-entries selection and a
// multiple of skip + 1, counted from row 0. The run summary, the metadata
// file and the window count them without walking.

#include <cstdint>

namespace zerb {

struct WrittenRowRange {
  uint32_t count = 0;
  uint32_t first = 0;  // row numbers, valid when count > 0
  uint32_t last = 0;
};

// The rows written of rows startRow <= r < endRow (a walk that stopped
// before row endRow, or endRow = entries + 1 for a whole walk).
constexpr WrittenRowRange WrittenRowsIn(uint32_t startRow, uint32_t endRow, uint16_t skip) {
  if (endRow <= startRow) return {};
  const uint32_t step = uint32_t{skip} + 1;
  const uint32_t firstMultiple = startRow / step + (startRow % step != 0 ? 1 : 0);
  const uint32_t lastMultiple = (endRow - 1) / step;
  if (firstMultiple > lastMultiple) return {};
  return {lastMultiple - firstMultiple + 1, firstMultiple * step, lastMultiple * step};
}

}  // namespace zerb
