#include "series/SelectedSeries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zerb {
namespace {

// Rows at 0, 60, ..., 300 s of three channels; channel c's value in row r
// is 10 * r + c.
class GridSeries : public Series {
 public:
  std::vector<SeriesChannel> channels = std::vector<SeriesChannel>(3);
  std::string error;
  int visited = 0;
  std::span<const SeriesChannel> Channels() const override { return channels; }
  int ForEachRow(const RowFn& row) override {
    for (int r = 0; r < 6; ++r) {
      ++visited;
      std::vector<Reading> readings;
      for (int c = 0; c < 3; ++c) readings.push_back({0, 10 * r + c, 0, true, true});
      if (!row(uint32_t(60 * r), readings)) return 0;
    }
    return error.empty() ? 1 : -1;
  }
  const std::string& Error() const override { return error; }
  std::optional<uint32_t> NewestTime() const override { return 300; }
};

TEST(SelectedSeries, KeepsTheRangeAndTheChannelsInTheirOrder) {
  using Columns = std::optional<std::vector<std::size_t>>;
  const struct {
    const char* name;
    RowSelection selection;
    std::vector<std::vector<int32_t>> rows;  // the time, then the values
    int rowsVisited;
  } cases[] = {
      {"everything", {}, {{0, 0, 1, 2}, {60, 10, 11, 12}, {120, 20, 21, 22}, {180, 30, 31, 32}, {240, 40, 41, 42},
                          {300, 50, 51, 52}}, 6},
      {"both ends included", {60, 120, {}}, {{60, 10, 11, 12}, {120, 20, 21, 22}}, 4},
      {"ends between rows", {61, 179, {}}, {{120, 20, 21, 22}}, 4},
      {"from only", {241, {}, {}}, {{300, 50, 51, 52}}, 6},
      {"channels reordered and repeated", {{}, 60, Columns({{2, 0, 2}})}, {{0, 2, 0, 2}, {60, 12, 10, 12}}, 3},
      {"a column the series lacks", {300, {}, Columns({{7, 1}})}, {{300, 51}}, 6},
      {"nothing in range", {301, {}, {}}, {}, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GridSeries grid;
    SelectedSeries selected(grid, c.selection);
    std::vector<std::vector<int32_t>> rows;
    EXPECT_EQ(selected.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
      rows.push_back({int32_t(time)});
      for (const Reading& r : readings) rows.back().push_back(r.value);
      return true;
    }), 1);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(grid.visited, c.rowsVisited);  // the walk ends after the range
    EXPECT_EQ(selected.Channels().size(), c.rows.empty() ? selected.Channels().size() : c.rows[0].size() - 1);
    EXPECT_EQ(selected.NewestTime(), 300u);  // a zone still places the rows by the whole series
  }
}

TEST(SelectedSeries, AStopOrAFailureIsTheSeries) {
  GridSeries grid;
  SelectedSeries selected(grid, {60, 240, {}});
  EXPECT_EQ(selected.ForEachRow([](uint32_t time, std::span<const Reading>) { return time < 120; }), 0);
  grid.error = "delta set 3 is damaged";
  EXPECT_EQ(SelectedSeries(grid, {0, {}, {}}).ForEachRow([](uint32_t, std::span<const Reading>) { return true; }),
            -1);
  EXPECT_EQ(selected.Error(), "delta set 3 is damaged");
}

}  // namespace
}  // namespace zerb
