// The merged grid: rows found from any hint, each row's readings its own,
// the first anchor given kept.

#include <gtest/gtest.h>

#include <tuple>

#include "history/MergedSeries.h"

namespace zerb {
namespace {

TEST(MergedSeries, FindsEveryRowFromAnyHintAndKeepsRowsApart) {
  MergedSeries grid(std::vector<SeriesChannel>(2), {-600, 0, 300, 900, 4000});
  const struct {
    int64_t time;
    std::size_t hint;
    std::size_t row;
  } cases[] = {
      {-600, 0, 0}, {0, 0, 1},   {300, 2, 2},  // at the hint
      {900, 1, 3},  {4000, 0, 4},              // ahead of it
      {0, 3, 1},    {-600, 4, 0},              // behind it: searched from the start
      {900, 5, 3},  {4000, 99, 4},             // past the end
  };
  for (const auto& c : cases) EXPECT_EQ(grid.RowIndex(c.time, c.hint), c.row) << c.time << " from " << c.hint;

  grid.Row(2)[1] = Reading{7, 70, 0, true, true};
  grid.SetAnchor(2, 1000);
  grid.SetAnchor(2, 2000);
  std::vector<std::pair<uint32_t, int16_t>> seen;
  std::optional<uint32_t> anchor;
  grid.ForEachRow([&](uint32_t clock, std::span<const Reading> row) {
    for (const Reading& r : row)
      if (r.present) seen.push_back({clock, r.raw}), anchor = grid.RowAnchor();
    return true;
  });
  EXPECT_EQ(seen, (std::vector<std::pair<uint32_t, int16_t>>{{300, 7}}));
  EXPECT_EQ(anchor, 1000u);
  EXPECT_EQ(grid.NewestTime(), 4000u);
}

// A time only a log that failed would have given leaves the grid with its
// row; the rows kept keep their readings and anchors, in order.
TEST(MergedSeries, DropsTheRowsNoLogWasPlacedIn) {
  const std::vector<int64_t> times = {0, 60, 120, 180};
  const struct {
    std::vector<std::size_t> placed;  // rows given an anchor (and a reading)
  } cases[] = {{{0, 1, 2, 3}}, {{1, 3}}, {{0}}, {{3}}, {{}}};
  for (const auto& c : cases) {
    MergedSeries grid(std::vector<SeriesChannel>(2), times);
    for (const std::size_t row : c.placed) {
      grid.Row(row)[1] = Reading{static_cast<int16_t>(row + 1), 0, 0, true, true};
      grid.SetAnchor(row, times[row] + 1000);
    }
    grid.DropRowsWithoutLog();
    std::vector<std::tuple<uint32_t, int16_t, std::optional<uint32_t>>> seen, expected;
    for (const std::size_t row : c.placed)
      expected.push_back({static_cast<uint32_t>(times[row]), static_cast<int16_t>(row + 1),
                          static_cast<uint32_t>(times[row] + 1000)});
    grid.ForEachRow([&](uint32_t clock, std::span<const Reading> row) {
      EXPECT_FALSE(row[0].present);
      seen.push_back({clock, row[1].raw, grid.RowAnchor()});
      return true;
    });
    EXPECT_EQ(seen, expected) << c.placed.size() << " rows placed";
    EXPECT_EQ(grid.RowCount(), c.placed.size());
  }
}

}  // namespace
}  // namespace zerb
