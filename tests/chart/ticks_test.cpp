#include "chart/Ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "chart/PreviewData.h"
#include "chart/Strips.h"
#include "series/CivilTime.h"

namespace zerb {
namespace {

int64_t At(const char* text) { return *ParseCivilTime(text, false); }

TEST(ValueScaleFor, RoundStepsAroundTheValues) {
  const double None = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double low, high;
    int maxTicks;
    double step, axisLow, axisHigh;
    int decimals;
  } rows[] = {
      {0.3, 9.7, 5, 2, 0, 10, 0},
      {17.85, 23.4, 5, 2, 16, 24, 0},
      {-0.013, 0.041, 4, 0.02, -0.02, 0.06, 2},
      {0, 46850, 5, 10000, 0, 50000, 0},
      {21, 21, 5, 0.5, 19.5, 22.5, 1},     // one value: a step around it
      {None, None, 5, 0.2, 0, 1, 1},       // no values at all
      {-5, 5, 1, 10, -10, 10, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.low << " to " << row.high);
    const ValueScale scale = ValueScaleFor(row.low, row.high, row.maxTicks);
    EXPECT_DOUBLE_EQ(scale.step, row.step);
    EXPECT_DOUBLE_EQ(scale.low, row.axisLow);
    EXPECT_DOUBLE_EQ(scale.high, row.axisHigh);
    EXPECT_EQ(scale.decimals, row.decimals);
    ASSERT_FALSE(scale.ticks.empty());
    EXPECT_DOUBLE_EQ(scale.ticks.front(), scale.low);
    EXPECT_NEAR(scale.ticks.back(), scale.high, 1e-12);
    EXPECT_LE(scale.ticks.size(), std::size_t(row.maxTicks) + 2);
  }
}

TEST(TimeScaleFor, RoundCivilTimesForTheSpan) {
  const struct {
    const char* from;
    const char* to;
    int maxTicks;
    TimeStep step;
    std::vector<std::string> ticks;  // the first ticks, as texts
  } rows[] = {
      {"2023-11-14T21:35:20", "2023-11-15T03:35:20", 6, {TimeUnit::Hour, 1},
       {"2023-11-14 22:00:00", "2023-11-14 23:00:00", "2023-11-15 00:00:00"}},
      {"2023-11-14T21:35:20", "2023-11-14T21:45:00", 5, {TimeUnit::Minute, 2},
       {"2023-11-14 21:36:00", "2023-11-14 21:38:00"}},
      {"2026-03-25T13:00", "2026-04-08T13:00", 3, {TimeUnit::Week, 1}, {"2026-03-30 00:00:00", "2026-04-06 00:00:00"}},
      {"2026-03-28T13:00", "2026-04-01T13:00", 8, {TimeUnit::Hour, 12}, {"2026-03-29 00:00:00", "2026-03-29 12:00:00"}},
      {"2025-11-20T00:00", "2026-02-20T00:00", 4, {TimeUnit::Month, 1}, {"2025-12-01 00:00:00", "2026-01-01 00:00:00"}},
      {"2024-05-20T00:00", "2026-02-20T00:00", 4, {TimeUnit::Month, 6}, {"2024-07-01 00:00:00", "2025-01-01 00:00:00"}},
      {"1969-12-31T23:58", "1970-01-01T00:02", 4, {TimeUnit::Minute, 1}, {"1969-12-31 23:58:00", "1969-12-31 23:59:00"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.from);
    // Times before 1970 are negative: their texts are read from 1970 back.
    const int64_t from = row.from[0] == '1' ? At("1970-01-01T00:00") - 120 : At(row.from);
    const int64_t to = row.from[0] == '1' ? 120 : At(row.to);
    const TimeScale scale = TimeScaleFor(double(from), double(to), row.maxTicks, PlotClock());
    EXPECT_EQ(scale.step, row.step);
    ASSERT_GE(scale.ticks.size(), row.ticks.size());
    EXPECT_LE(scale.ticks.size(), std::size_t(row.maxTicks) + 1);
    for (std::size_t i = 0; i < row.ticks.size(); ++i) {
      EXPECT_EQ(TimeText(int64_t(scale.ticks[i].at)), row.ticks[i]);
      EXPECT_EQ(double(scale.ticks[i].shown), scale.ticks[i].at);  // civil: the reading is the time
    }
  }
}

// A clock in a zone that springs forward: rows an hour apart stay an hour
// apart; only the readings jump over the hour the zone skips.
TEST(TimeScaleFor, AZoneChangesTheReadingsNotThePlace) {
  const PlotClock berlin(TimeZoneSetting{ZoneKind::Named, 0, "Europe/Berlin", false}, At("2026-03-29T00:00"));
  if (!berlin.Error().empty()) GTEST_SKIP() << berlin.Error();
  const TimeScale scale = TimeScaleFor(double(At("2026-03-29T00:00")), double(At("2026-03-29T04:00")), 5, berlin);
  std::vector<std::string> readings;
  for (std::size_t i = 0; i < scale.ticks.size(); ++i) {
    readings.push_back(TimeText(scale.ticks[i].shown).substr(11, 5));
    if (i > 0) {
      EXPECT_EQ(scale.ticks[i].at - scale.ticks[i - 1].at, 3600);
    }
  }
  EXPECT_EQ(readings, (std::vector<std::string>{"00:00", "01:00", "03:00", "04:00", "05:00"}));
  EXPECT_FALSE(berlin.PlotTimeOf(At("2026-03-29T02:30")).has_value());  // skipped
}

// The clock a plot is made with: civil where no zone is chosen or the zone
// is unknown (then saying why), a zone's reading otherwise; plot times
// beyond the 32-bit readings are shown as they are, and a reading leads
// back to its plot time.
TEST(PlotClock, ReadingsOfEachKindOfClock) {
  const int64_t noon = At("2026-01-10T12:00");
  const struct Row {
    const char* why;
    TimeZoneSetting zone;
    const char* error;  // part of Error(); "" none
    int64_t shift;      // reading minus plot time at noon
  } rows[] = {
      {"civil", {}, "", 0},
      {"unknown zone", {ZoneKind::Named, 0, "Europe/Atlantis", false}, "Europe/Atlantis", 0},
      {"fixed offset, local readings", {ZoneKind::FixedOffset, 60, "", false}, "", 0},
      {"fixed offset, UTC readings", {ZoneKind::FixedOffset, 60, "", true}, "", -3600},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const PlotClock clock(row.zone, noon);
    EXPECT_EQ(clock.Error().empty(), !*row.error);
    EXPECT_NE(clock.Error().find(row.error), std::string::npos) << clock.Error();
    EXPECT_EQ(clock.Civil(), row.zone.kind == ZoneKind::Civil || *row.error);
    EXPECT_EQ(clock.Shown(noon), noon + row.shift);
    EXPECT_EQ(clock.PlotTimeOf(noon + row.shift), noon);
    for (const int64_t beyond : {int64_t{-7200}, int64_t{UINT32_MAX} + 7200}) EXPECT_EQ(clock.Shown(beyond), beyond);
  }
}

SeriesChannel Channel(const char* type, char units, bool digital = false) {
  SeriesChannel c;
  c.typeName = type;
  c.unitsLetter = units;
  c.digital = digital;
  return c;
}

TEST(PlanStrips, OneStripPerUnitAndLanesForOnOff) {
  const std::vector<SeriesChannel> channels = {
      Channel("TS4-C", 'C'), Channel("ON/OFF", '%', true), Channel("VARIABLE", '%'), Channel("TS1V", 'C'),
      Channel("VARIABLE", ' '), Channel("SDPL", 'P'), Channel("NCTRIP", ' ', true),
  };
  const StripPlan all = PlanStrips(channels, {});
  ASSERT_EQ(all.strips.size(), 4u);
  EXPECT_EQ(all.strips[0].unit, "°C");
  EXPECT_EQ(all.strips[0].channels, (std::vector<std::size_t>{0, 3}));
  EXPECT_EQ(all.strips[1].unit, "%");
  EXPECT_EQ(all.strips[2].unit, "");
  EXPECT_EQ(all.strips[3].channels, std::vector<std::size_t>{5});
  EXPECT_EQ(all.lanes, (std::vector<std::size_t>{1, 6}));
  // Hidden channels leave their strip, an emptied strip goes.
  const StripPlan some = PlanStrips(channels, {true, false, false, true, true, true, true});
  ASSERT_EQ(some.strips.size(), 3u);
  EXPECT_EQ(some.strips[1].unit, "");
  EXPECT_EQ(some.lanes, std::vector<std::size_t>{6});
}

TEST(LineStyles, DistinctWithinAStripFarBeyondThePalette) {
  std::vector<SeriesChannel> channels;
  for (int i = 0; i < 48; ++i) channels.push_back(Channel("TS4-C", 'C'));
  channels.push_back(Channel("VARIABLE", '%'));
  const std::vector<LineStyle> styles = LineStyles(channels);
  for (std::size_t a = 0; a < 48; ++a)
    for (std::size_t b = a + 1; b < 48; ++b) ASSERT_FALSE(styles[a] == styles[b]) << a << " and " << b;
  EXPECT_EQ(styles[48], styles[0]);  // another strip counts from its own start
}

}  // namespace
}  // namespace zerb
