#include "model/RowSelection.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace zerb {
namespace {

TEST(WrittenRowsIn, CountsTheMultiplesOfTheStepFromTheStartRow) {
  constexpr uint32_t top = UINT32_MAX;
  const struct {
    uint32_t start, walked;
    uint16_t skip;
    uint32_t rows, first, last;
  } rows[] = {{0, 30, 0, 30, 0, 29},          {0, 30, 2, 10, 0, 27},       {0, 31, 2, 11, 0, 30},
              {5, 30, 0, 25, 5, 29},          {5, 30, 4, 5, 5, 25},        {30, 30, 0, 0, 0, 0},
              {9, 3, 0, 0, 0, 0},             {0, 0, 0, 0, 0, 0},          {1, 65536, 65535, 0, 0, 0},
              {0, 65536, 65535, 1, 0, 0},     {7, 8, 7, 0, 0, 0},          {7, 9, 7, 1, 8, 8},
              {top - 2, top, 0, 2, top - 2, top - 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.start << " " << row.walked << " " << row.skip);
    const WrittenRowRange written = WrittenRowsIn(row.start, row.walked, row.skip);
    EXPECT_EQ(written.count, row.rows);
    if (row.rows > 0) {
      EXPECT_EQ(written.first, row.first);
      EXPECT_EQ(written.last, row.last);
    }
  }
}

}  // namespace
}  // namespace zerb
