// Periods and their figures on hand-made series with known answers: where
// periods start, hours on and starts of an on/off channel, degree-days,
// the coverage rule, days of 23 hours and periods without readings.

#include "summary/PeriodTally.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "series/CivilTime.h"
#include "summary/Statistics.h"

namespace zerb {
namespace {

int64_t At(const char* text) { return *ParseCivilTime(text, false); }

TEST(Periods, StartAndNext) {
  const struct {
    Period period;
    int64_t time, start, next;
  } rows[] = {
      {Period::Minutes15, At("2026-03-04T10:14:59"), At("2026-03-04T10:00"), At("2026-03-04T10:15")},
      {Period::Hour, At("2026-03-04T10:00"), At("2026-03-04T10:00"), At("2026-03-04T11:00")},
      {Period::Day, At("2026-03-04T23:59:59"), At("2026-03-04"), At("2026-03-05")},
      {Period::Week, At("2026-03-04T10:00"), At("2026-03-02"), At("2026-03-09")},  // a Wednesday
      {Period::Week, At("2026-03-02"), At("2026-03-02"), At("2026-03-09")},
      {Period::Week, At("1970-01-01T12:00"), -3 * 86400, 4 * 86400},  // before 1970
      {Period::Month, At("2024-02-29T23:59"), At("2024-02-01"), At("2024-03-01")},
      {Period::Month, At("2026-12-31T10:00"), At("2026-12-01"), At("2027-01-01")},
      {Period::Month, At("2100-02-15"), At("2100-02-01"), At("2100-03-01")},  // not a leap year
      {Period::Month, -1, -31 * 86400, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(NameOf(row.period)) + " at " + std::to_string(row.time));
    EXPECT_EQ(PeriodStart(row.period, row.time), row.start);
    EXPECT_EQ(NextPeriodStart(row.period, row.start), row.next);
  }
}

// A local clock an hour ahead from `change` on (a spring change), for a
// day of 23 hours.
class SpringClock final : public PeriodClock {
 public:
  explicit SpringClock(int64_t change) : change_(change) {}
  int64_t LocalOf(int64_t civil) override { return civil >= change_ ? civil + 3600 : civil; }
  int64_t CivilOf(int64_t local) override { return local >= change_ + 3600 ? local - 3600 : local; }

 private:
  int64_t change_;
};

struct Expected {
  const char* start;
  uint64_t count;
  std::optional<double> on, starts, degreeDays;
  bool covered = true;
  double expected = 24;
};

struct Case {
  const char* name;
  Period period;
  double minCoverage;
  char unitsLetter;  // of the temperature channel
  std::optional<DegreeDayColumn> degree;
  std::optional<int64_t> spring;  // a clock change at this time
  // Hourly rows from the first time: on/off value (-1 invalid, -2 no row)
  // and temperature, both whole numbers.
  const char* first;
  std::vector<std::pair<int, int>> rows;
  std::vector<Expected> periods;
};

std::vector<std::pair<int, int>> Hours(int count, int onOff, int temperature) {
  return std::vector<std::pair<int, int>>(std::size_t(count), {onOff, temperature});
}

std::vector<std::pair<int, int>> Join(std::initializer_list<std::vector<std::pair<int, int>>> parts) {
  std::vector<std::pair<int, int>> rows;
  for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
  return rows;
}

Reading ReadingOf(int value) {
  Reading r;
  r.value = value;
  r.present = true;
  r.valid = value != -1;
  return r;
}

TEST(PeriodTally, HandMadeSeries) {
  const DegreeDayColumn heating{1, 15.5, false, false}, cooling{1, 22, true, false};
  const Case cases[] = {
      {"hours on and starts; a change across the day's start counts in the day holding the on", Period::Day, 0, 'C',
       std::nullopt, std::nullopt, "2026-03-04",
       Join({{{0, 0}, {1, 0}, {1, 0}, {0, 0}, {1, 0}}, Hours(19, 0, 0), {{1, 0}, {-1, 0}, {1, 0}}, Hours(21, 0, 0)}),
       {{"2026-03-04", 24, 3, 2, {}}, {"2026-03-05", 23, 2, 1, {}}}},
      {"heating degree-days: the daily mean against the base", Period::Day, 0, 'C', heating, std::nullopt, "2026-03-04",
       Join({Hours(12, 0, 8), Hours(12, 0, 13), Hours(24, 0, 20)}),
       {{"2026-03-04", 24, 0, 0, 5.0}, {"2026-03-05", 24, 0, 0, 0.0}}},
      {"cooling degree-days", Period::Day, 0, 'C', cooling, std::nullopt, "2026-03-04", Hours(24, 0, 25),
       {{"2026-03-04", 24, 0, 0, 3.0}}},
      {"°F is converted: 50 °F is 10 °C", Period::Day, 0, 'F', heating, std::nullopt, "2026-03-04", Hours(24, 0, 50),
       {{"2026-03-04", 24, 0, 0, 5.5}}},
      {"too few readings leave the figures and the degree-days empty", Period::Day, 0.5, 'C', heating, std::nullopt,
       "2026-03-04", Join({Hours(11, 1, 10), Hours(13, -1, -1)}), {{"2026-03-04", 11, {}, {}, {}, false}}},
      {"a week sums its days; a day without readings leaves it empty", Period::Week, 0, 'C', heating, std::nullopt,
       "2026-03-02", Join({Hours(7 * 24, 0, 14), Hours(6 * 24, 0, 14), Hours(24, -2, 0)}),
       {{"2026-03-02", 168, 0, 0, 10.5, true, 168}, {"2026-03-09", 144, 0, 0, {}, true, 168}}},
      {"a spring day has 23 hours", Period::Day, 1, 'C', heating, At("2026-03-29T02:00"), "2026-03-29",
       Hours(23, 1, 10), {{"2026-03-29", 23, 23, 0, 5.5, true, 23}}},
      {"a period without rows is written, without readings", Period::Hour, 0, 'C', std::nullopt, std::nullopt,
       "2026-03-04", Join({Hours(1, 1, 0), Hours(1, -2, 0), Hours(1, 1, 0)}),
       {{"2026-03-04T00:00", 1, 1, 0, {}, true, 1}, {"2026-03-04T01:00", 0, {}, {}, {}, false, 1},
        {"2026-03-04T02:00", 1, 1, 0, {}, true, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<SeriesChannel> channels(2);
    channels[0].digital = true;
    channels[1].unitsLetter = c.unitsLetter;
    CivilPeriodClock civil;
    SpringClock spring(c.spring.value_or(0));
    PeriodClock& clock = c.spring ? static_cast<PeriodClock&>(spring) : civil;
    std::vector<DegreeDayColumn> degree;
    if (c.degree) {
      degree.push_back(*c.degree);
      degree.back().fahrenheit = c.unitsLetter == 'F';
    }
    std::vector<PeriodRow> rows;
    std::vector<Figures> figures;
    std::vector<std::optional<double>> degreeDays;
    PeriodTally tally({c.period, c.minCoverage, 3600}, channels, degree, clock, [&](const PeriodRow& row) {
      rows.push_back(row);
      figures.push_back(row.channels[0]);
      rows.back().covered = {};
      degreeDays.push_back(row.degreeDays.empty() ? std::nullopt : row.degreeDays[0]);
      if (row.covered[0] == 0) rows.back().expected = -row.expected;  // not covered: kept as a sign
      return true;
    });
    int64_t time = At(c.first);
    for (const auto& [onOff, temperature] : c.rows) {
      if (onOff != -2) {
        const Reading readings[] = {ReadingOf(onOff), ReadingOf(temperature)};
        tally.Add(time, readings);
      }
      time += 3600;
    }
    tally.Finish();
    ASSERT_EQ(rows.size(), c.periods.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Expected& e = c.periods[i];
      SCOPED_TRACE(e.start);
      EXPECT_EQ(rows[i].start, At(e.start));
      EXPECT_EQ(rows[i].expected, e.covered ? e.expected : -e.expected);
      EXPECT_EQ(figures[i].count, e.count);
      const auto value = [&](Stat stat) { return InfoOf(stat).value(figures[i], 3600); };
      if (e.covered) {
        EXPECT_EQ(value(Stat::On), e.on);
        EXPECT_EQ(value(Stat::Starts), e.starts);
      }
      EXPECT_EQ(degreeDays[i], e.degreeDays);
    }
  }
}

TEST(Statistics, DefaultsAndLists) {
  std::string problem;
  const auto asked = ParseStats("max,on,count", problem);
  ASSERT_TRUE(asked);
  const struct {
    bool onOff;
    std::vector<Stat> asked, written;
  } rows[] = {
      {false, {}, {Stat::Mean, Stat::Min, Stat::Max, Stat::Count}},
      {true, {}, {Stat::On, Stat::Starts, Stat::Count}},
      {false, *asked, {Stat::Max, Stat::Count}},
      {true, *asked, {Stat::Max, Stat::On, Stat::Count}},
  };
  for (const auto& row : rows) EXPECT_EQ(StatsFor(row.onOff, row.asked), row.written) << StatsText(row.asked);
}

}  // namespace
}  // namespace zerb

namespace zerb {
namespace {

// Figures folded elsewhere come out as the tally's periods: the same spans
// (a 23-hour day, the empty periods of a gap), coverage, figures and
// degree-days (a period's only when each of its days has one).
TEST(EmitFolded, GivesTheTallysPeriods) {
  const std::vector<SeriesChannel> channels(1);
  std::vector<int64_t> times;
  for (int64_t t = At("2026-03-28T20:00"); t < At("2026-03-30T06:00"); t += 3600) times.push_back(t);
  for (int64_t t = At("2026-04-02T07:00"); t < At("2026-04-03T07:00"); t += 1800) times.push_back(t);
  for (const Period period : {Period::Hour, Period::Day, Period::Week}) {
    SCOPED_TRACE(std::string(NameOf(period)));
    SpringClock clock(At("2026-03-29T02:00"));
    const TallySettings settings{period, 0.9, 3600};
    std::vector<PeriodRow> tallied;
    std::vector<FoldedPeriod> folded;
    std::vector<std::vector<uint8_t>> covered;
    std::vector<std::optional<double>> degreeDays;
    PeriodTally tally(settings, channels, {{0, 20, false, false}}, clock, [&](const PeriodRow& row) {
      tallied.push_back(row);
      folded.push_back({{row.channels.begin(), row.channels.end()},
                        {row.degreeDays[0].value_or(0)},
                        {row.degreeDayCount.begin(), row.degreeDayCount.end()}});
      covered.emplace_back(row.covered.begin(), row.covered.end());
      degreeDays.push_back(row.degreeDays[0]);
      return true;
    });
    for (const int64_t t : times) {
      const Reading r{1, static_cast<int32_t>(t % 97), 0, true, true};
      tally.Add(t, std::span(&r, 1));
    }
    tally.Finish();
    std::size_t at = 0;
    const bool whole = EmitFolded(
        settings, 1, 1, clock, times.front(), times.back(),
        [&](int64_t start) -> const FoldedPeriod* {
          for (std::size_t i = 0; i < tallied.size(); ++i)
            if (tallied[i].start == start && folded[i].channels[0].count > 0) return &folded[i];
          return nullptr;
        },
        [&](const PeriodRow& row) {
          EXPECT_LT(at, tallied.size());
          if (at >= tallied.size()) return false;
          EXPECT_EQ(row.start, tallied[at].start);
          EXPECT_EQ(row.end, tallied[at].end);
          EXPECT_EQ(row.channels[0].count, folded[at].channels[0].count);
          EXPECT_EQ(row.channels[0].sum, folded[at].channels[0].sum);
          EXPECT_EQ(row.covered[0], covered[at][0]);
          EXPECT_EQ(row.degreeDays[0], degreeDays[at]);
          EXPECT_EQ(row.degreeDayCount[0], folded[at].degreeDays[0]);
          ++at;
          return true;
        });
    EXPECT_TRUE(whole);
    EXPECT_EQ(at, tallied.size());
  }
}

}  // namespace
}  // namespace zerb
