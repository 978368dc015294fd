#include "chart/PreviewData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/classic/writer_support.h"

namespace zerb {
namespace {

const float NoValue = std::numeric_limits<float>::quiet_NaN();

// A preview of one channel: a reading every 60 s from t = 1000.
PreviewData OneChannel(std::vector<float> values, bool digital = false) {
  PreviewData data;
  SeriesChannel channel;
  channel.digital = digital;
  data.channels = {channel};
  for (std::size_t i = 0; i < values.size(); ++i) data.times.push_back(uint32_t(1000 + 60 * i));
  data.values = {std::move(values)};
  return data;
}

std::vector<std::vector<double>> ValuesOf(const std::vector<PlotLine>& lines) {
  std::vector<std::vector<double>> out;
  for (const PlotLine& line : lines) {
    out.emplace_back();
    for (const PlotPoint& p : line) out.back().push_back(p.value);
  }
  return out;
}

class ListSeries : public Series {
 public:
  std::vector<SeriesChannel> channels{SeriesChannel{}};
  std::vector<Reading> readings;
  std::string error;
  std::span<const SeriesChannel> Channels() const override { return channels; }
  int ForEachRow(const RowFn& row) override {
    for (std::size_t i = 0; i < readings.size(); ++i) row(uint32_t(60 * i), std::span(&readings[i], 1));
    return error.empty() ? 1 : -1;
  }
  const std::string& Error() const override { return error; }
};

TEST(LoadPreview, ScalesValuesAndKeepsMissingOnesApart) {
  ListSeries series;
  series.readings = {{0, 215, -1, true, true}, {0, 3, 2, true, true}, {0, 0, 0, false, true}, {0, 5, 0, true, false}};
  series.error = "delta set 1 is damaged";
  const PreviewData data = LoadPreview(series);
  ASSERT_EQ(data.times.size(), 4u);
  EXPECT_FLOAT_EQ(data.values[0][0], 21.5f);
  EXPECT_FLOAT_EQ(data.values[0][1], 300.0f);
  EXPECT_TRUE(std::isnan(data.values[0][2]));  // not valid
  EXPECT_TRUE(std::isnan(data.values[0][3]));  // not present
  EXPECT_EQ(data.error, "delta set 1 is damaged");
}

// Pass 1 and the preview from one decoding give the rows a walk through
// the log's series gives, invalid counts and the LAN clock included.
TEST(OpenPreview, SameRowsAsTheLogsSeries) {
  std::mt19937 rng(3);
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    LogSource source = writertest::FixtureSource();
    std::vector<int16_t> row(4, 100);
    for (std::size_t r = 0; r < 20 + rng() % 200; ++r) {
      for (auto& v : row) v = static_cast<int16_t>(rng() % 7 == 0 ? rng() : v + int(rng() % 3) - 1);
      source.rows.push_back(row);
    }
    auto loaded = writertest::Load(source, true, false);
    ASSERT_NE(loaded, nullptr);
    const bool lanTime = round % 2 == 1;
    const PreviewData opened = OpenPreview(*loaded->log, lanTime);
    LogSeries series(*loaded->log, lanTime, -1, 0);
    const PreviewData walked = LoadPreview(series);
    EXPECT_EQ(opened.error, "");
    EXPECT_EQ(opened.times, walked.times);
    ASSERT_EQ(opened.values.size(), walked.values.size());
    for (std::size_t c = 0; c < walked.values.size(); ++c)
      for (std::size_t r = 0; r < walked.values[c].size(); ++r)
        ASSERT_TRUE(opened.values[c][r] == walked.values[c][r] ||
                    (std::isnan(opened.values[c][r]) && std::isnan(walked.values[c][r])))
            << "channel " << c << " row " << r;
  }
  TSite site;
  TLog notLoaded(site);
  const PreviewData failed = OpenPreview(notLoaded, false);
  EXPECT_TRUE(failed.Empty());
  EXPECT_EQ(failed.error, "no log is loaded");
}

TEST(ChannelLines, DrawsWhatEveryPointWouldDraw) {
  const struct {
    const char* name;
    std::vector<float> values;
    bool digital;
    int columns;
    std::vector<std::vector<double>> lines;
  } rows[] = {
      {"one point per reading when zoomed in", {1, 2, 3}, false, 100, {{1, 2, 3}}},
      {"a missing value breaks the line", {1, 2, NoValue, 4, 5}, false, 100, {{1, 2}, {4, 5}}},
      {"first, lowest, highest, last per column", {5, 9, 1, 7, 3, 4}, false, 1, {{5, 9, 1, 4}}},
      {"the first of equal lows and highs", {2, 3, 1, 3, 1, 0.5f, 2, 1, 9, 2}, false, 1, {{2, 0.5, 9, 2}}},
      {"a column breaks once however often values go", {1, NoValue, 2, NoValue, 3}, false, 1, {{1}, {2, 3}}},
      {"steps hold a value until the next reading", {0, 1, 1, 0}, true, 100, {{0, 0, 1, 1, 1, 0}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PreviewData data = OneChannel(row.values, row.digital);
    const auto lines = ChannelLines(data, 0, double(data.times.front()), double(data.times.back() + 1), row.columns);
    EXPECT_EQ(ValuesOf(lines), row.lines);
  }
}

TEST(ChannelLines, LongLogsGiveAFewPointsPerColumnAndReachTheEdges) {
  std::vector<float> values;
  for (int i = 0; i < 65536; ++i) values.push_back(float((i * 7919) % 1000));
  const PreviewData data = OneChannel(values);
  const double from = double(data.times[1000] + 30), to = double(data.times[60000] + 30);
  const auto lines = ChannelLines(data, 0, from, to, 500);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_LE(lines[0].size(), 4u * 502);
  EXPECT_EQ(lines[0].front().time, data.times[1000]);  // one reading before the range
  EXPECT_EQ(lines[0].back().time, data.times[60001]);  // and one after
  double low = 1e9, high = -1;
  for (const PlotPoint& p : lines[0]) low = std::min(low, p.value), high = std::max(high, p.value);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 999);
}

TEST(PreviewText, NearestRowAndValues) {
  const PreviewData data = OneChannel({1, 2, 3});  // times 1000, 1060, 1120
  EXPECT_EQ(NearestRow(data, 0), 0u);
  EXPECT_EQ(NearestRow(data, 1029), 0u);
  EXPECT_EQ(NearestRow(data, 1031), 1u);
  EXPECT_EQ(NearestRow(data, 5000), 2u);
  EXPECT_EQ(ValueText(21.5f, -1), "21.5");
  EXPECT_EQ(ValueText(-0.25f, -2), "-0.25");
  EXPECT_EQ(ValueText(300, 2), "300");
  EXPECT_EQ(ValueText(NoValue, 0), "-");
  EXPECT_EQ(TimeText(1700000000), "2023-11-14 22:13:20");
}

// A logger clock set back to 1970 gives rows whose 32-bit readings wrap:
// the plot keeps them in time order, before 1970.
// Rows without readings go where the data has no row, once each, in time
// order; the readings of the rows already there stay with their times.
TEST(InsertEmptyRows, BreaksLinesOnlyWhereNoRowIs) {
  const struct Row {
    const char* why;
    std::vector<int64_t> breaks;
    std::vector<int64_t> times;
    std::string values;  // one letter per row: a/b/c the readings 1/2/3, - none
  } rows[] = {
      {"no break", {}, {1000, 1060, 1120}, "abc"},
      {"before the first row", {900}, {900, 1000, 1060, 1120}, "-abc"},
      {"between rows and after the last", {1030, 1200}, {1000, 1030, 1060, 1120, 1200}, "a-bc-"},
      {"at a row that is there", {1060}, {1000, 1060, 1120}, "abc"},
      {"the same time twice", {1030, 1030}, {1000, 1030, 1060, 1120}, "a-bc"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    PreviewData data = OneChannel({1, 2, 3});
    InsertEmptyRows(data, row.breaks);
    EXPECT_EQ(data.times, row.times);
    std::string values;
    for (const float v : data.values.at(0)) values += std::isnan(v) ? '-' : char('a' + int(v) - 1);
    EXPECT_EQ(values, row.values);
  }
}

TEST(UnwrappedTimes, ReadingsBefore1970ComeFirst) {
  const struct {
    std::vector<uint32_t> readings;
    std::vector<int64_t> times;
  } rows[] = {
      {{10, 70, 130}, {10, 70, 130}},
      {{4294967236u, 4294967296u - 1, 59, 119}, {-60, -1, 59, 119}},
      {{4294967236u}, {4294967236}},
  };
  for (const auto& row : rows) EXPECT_EQ(UnwrappedTimes(row.readings), row.times);
  LogSource source = writertest::FixtureSource();
  source.pcTime = 100;
  source.interval = 60;
  source.rows.assign(5, std::vector<int16_t>(4, 100));
  auto loaded = writertest::Load(source, true, false);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(OpenPreview(*loaded->log, false).times, (std::vector<int64_t>{-140, -80, -20, 40, 100}));
}

}  // namespace
}  // namespace zerb
