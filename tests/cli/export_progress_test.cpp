// The rows an export's progress line counts towards: each stretch of time
// the stored logs' spans cover counted once, whatever their order.

#include <gtest/gtest.h>

#include <vector>

#include "cli/ExportProgress.h"

namespace zerb {
namespace {

TEST(EstimatedRows, CountsEachStretchOnce) {
  struct Row {
    const char* why;
    std::vector<LogSpan> spans;
    std::size_t rows;
  };
  const Row rows[] = {
      {"no log", {}, 0},
      {"one log", {{0, 600, 60}}, 11},
      {"two apart", {{0, 600, 60}, {1200, 1800, 60}}, 22},
      {"overlapping", {{0, 600, 60}, {300, 900, 60}}, 16},
      {"overlapping, newer first", {{300, 900, 60}, {0, 600, 60}}, 16},
      {"one inside the other", {{0, 600, 60}, {120, 240, 60}}, 11},
      {"a later log of a finer interval", {{0, 600, 60}, {600, 900, 30}}, 21},
      {"a single row", {{100, 100, 0}}, 1},
  };
  for (const Row& row : rows) EXPECT_EQ(EstimatedRows(row.spans), row.rows) << row.why;
}

}  // namespace
}  // namespace zerb
