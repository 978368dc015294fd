#include "summary/Figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zerb {
namespace {

const float None = std::numeric_limits<float>::quiet_NaN();

// Figures worked out by hand for stretches of a column.
TEST(FiguresOf, CountsOnlyValidReadings) {
  const struct {
    const char* name;
    std::vector<float> values;
    std::size_t begin, end;
    bool onOff;
    uint64_t count;
    double low, high, mean;
    uint64_t on, starts;
  } rows[] = {
      {"plain values", {3, -1.5f, 4, 0.5f}, 0, 4, false, 4, -1.5, 4, 1.5, 0, 0},
      {"invalid readings are not zero", {None, 10, None, 20}, 0, 4, false, 2, 10, 20, 15, 0, 0},
      {"a stretch inside", {100, 1, 2, 3, -100}, 1, 4, false, 3, 1, 3, 2, 0, 0},
      {"the end is clipped", {1, 2}, 1, 9, false, 1, 2, 2, 2, 0, 0},
      {"on/off: on readings and starts", {0, 100, 100, 0, 100, 0}, 0, 6, true, 6, 0, 100, 50, 3, 2},
      {"on/off: a start across the stretch's start", {0, None, 100, 100}, 2, 4, true, 2, 100, 100, 100, 2, 1},
      {"on/off: on before the stretch is no start", {100, 100, 0}, 1, 3, true, 2, 0, 100, 50, 1, 0},
      {"on/off: a gap neither makes nor breaks a start", {100, None, 100, 0, None, 100}, 0, 6, true, 4, 0, 100, 75, 3, 1},
      {"on/off: the first reading of the log starts nothing", {100, 0}, 0, 2, true, 2, 0, 100, 50, 1, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Figures f = FiguresOf(row.values, row.begin, row.end, row.onOff);
    EXPECT_EQ(f.count, row.count);
    EXPECT_EQ(f.low, row.low);
    EXPECT_EQ(f.high, row.high);
    EXPECT_DOUBLE_EQ(f.Mean(), row.mean);
    EXPECT_EQ(f.on, row.on);
    EXPECT_EQ(f.starts, row.starts);
  }
}

TEST(FiguresOf, NothingValidHasNoMean) {
  const std::vector<float> values = {None, None, 5};
  for (auto [begin, end] : {std::pair<std::size_t, std::size_t>{0, 2}, {2, 2}, {3, 1}}) {
    const Figures f = FiguresOf(values, begin, end, true);
    EXPECT_EQ(f.count, 0u);
    EXPECT_TRUE(std::isnan(f.Mean()));
  }
  Figures running;
  running.on = 90;
  EXPECT_DOUBLE_EQ(running.HoursOn(600), 15.0);
}

}  // namespace
}  // namespace zerb
