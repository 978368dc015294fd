// Range times as typed, and the rules on log spans: grids, gaps, fill rows.

#include <gtest/gtest.h>

#include "series/CivilTime.h"
#include "history/Spans.h"
#include "styles/ZoneClock.h"

namespace zerb {
namespace {

TEST(CivilTime, ParsesTheFormsItTakesAndNothingElse) {
  const struct {
    const char* text;
    bool rangeEnd;
    std::optional<uint32_t> seconds;  // worked out with date(1)
  } cases[] = {
      {"1970-01-01", false, 0u},
      {"2024-02-29", false, 1709164800u},
      {"2026-03-01", true, 1772409599u},  // the whole day
      {"2026-03-01T10:00", true, 1772359259u},  // the whole minute
      {"2026-03-01T10:00:59", false, 1772359259u},
      {"2106-02-07T06:28:15", false, 4294967295u},
      {"2106-02-07T06:28:16", false, std::nullopt},
      {"1969-12-31T23:59:59", false, std::nullopt},
      {"2023-02-29", false, std::nullopt},
      {"2026-13-01", false, std::nullopt},
      {"2026-3-01", false, std::nullopt},
      {"2026-03-01T10", false, std::nullopt},
      {"2026-03-01 10:00", false, 1772359200u},
      {"2026-03-01 10:00:59", true, 1772359259u},
      {"2026-03-01  10:00", false, std::nullopt},
      {"2026-03-01 ", false, std::nullopt},
      {"2026-03-01T24:00", false, std::nullopt},
      {"2026-03-01T10:00:", false, std::nullopt},
      {"", false, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCivilTime(c.text, c.rangeEnd), c.seconds) << c.text;
  EXPECT_EQ(IsoText(4294967295), "2106-02-07T06:28:15");
}

TEST(Spans, GridShiftsGapsAndFillRows) {
  const struct {
    LogSpan newer, older;
    std::optional<int32_t> shift;
  } grids[] = {
      {{600, 1200, 300}, {0, 900, 300}, std::nullopt},
      {{660, 1260, 300}, {0, 900, 300}, 60},
      {{840, 1440, 300}, {0, 900, 300}, -60},
      {{600, 1200, 60}, {0, 900, 300}, 0},  // another interval is off the grid even in step
  };
  for (const auto& g : grids) EXPECT_EQ(GridShift(g.newer, g.older), g.shift) << g.newer.first;

  // Spans in any order; one rows apart is no gap, an overlap neither.
  const std::vector<Gap> gaps = FindGaps({{2000, 2600, 300}, {0, 600, 300}, {900, 1200, 300}, {1000, 1100, 60}});
  ASSERT_EQ(gaps.size(), 1u);
  EXPECT_EQ(gaps[0].after, 1200);
  EXPECT_EQ(gaps[0].before, 2000);
  EXPECT_EQ(FillTimes(gaps[0]), (std::vector<int64_t>{1400, 1700}));  // on the grid of the rows after
  EXPECT_TRUE(FillTimes({100, 200, 0}).empty());

  const auto clipped = ClipSpans({{0, 3000, 300}, {4000, 5000, 300}}, 100, 2000);
  ASSERT_EQ(clipped.size(), 1u);
  EXPECT_EQ(clipped[0].first, 300);
  EXPECT_EQ(clipped[0].last, 1800);
}

// The count that --fill-gaps checks before it makes any row is the number
// of rows it would make.
TEST(Spans, MissingRowsCountsTheFillTimes) {
  const Gap gaps[] = {{1200, 2000, 300}, {1200, 1500, 300}, {1200, 1501, 300}, {1200, 1499, 300},
                      {0, 600, 300},     {100, 200, 0},     {7, 8, 1},          {0, 4000000, 1}};
  for (const Gap& gap : gaps)
    EXPECT_EQ(MissingRows(gap), FillTimes(gap).size()) << gap.after << ".." << gap.before << " by " << gap.interval;
}

}  // namespace
}  // namespace zerb
