// A site's history drawn from a store: the envelope the store sums up
// draws what its rows draw (lines, on/off stretches, the picture's bytes),
// on both engines, over a history with a conflict, a gap, values the
// devices gave none for, a channel added partway and changed meanings.

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/EnvelopeLines.h"
#include "history/Spans.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "support/Files.h"
#include "support/Process.h"

namespace zerb::historytest {
namespace {

using test::BuildPath;
using test::ProcessResult;
using test::ReadFile;

// The logs: rows 0-399 (site file 2), 380-799 with a third sensor and a
// conflicting reading (site file 3: the output on/off, the ASM rescaled),
// then after a gap rows 900-1100.
std::vector<std::string> WriteLogs(const TempDir& dir) {
  const auto series = LongSeries(1101, 7);
  auto changed = series;
  changed[390][0] = static_cast<int16_t>(changed[390][0] + 40);
  const struct {
    const char* folder;
    int siteFile;
    std::size_t first, last;
    bool added;
  } logs[] = {{"a", 2, 0, 399, false}, {"b", 3, 380, 799, true}, {"c", 3, 900, 1100, true}};
  std::vector<std::string> paths;
  for (const auto& log : logs) {
    std::filesystem::create_directory(dir.File(log.folder));
    WriteSiteFile(dir.File(std::string(log.folder) + "/42.STE"), log.siteFile);
    paths.push_back(dir.File(std::string(log.folder) + "/42.log"));
    EXPECT_TRUE(WriteLogFile(paths.back(), CutLog(log.folder[0] == 'b' ? changed : series, log.first, log.last,
                                                  log.added)));
  }
  return paths;
}

class StorePlot : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    logs = WriteLogs(dir);
    location = NewLocation(GetParam(), dir);
    auto store = OpenStore(location, StoreAccess::Write);
    for (const std::string& log : logs) ASSERT_EQ(store->Import(log, {}).status, ImportStatus::Imported) << log;
  }
  TempDir dir;
  std::vector<std::string> logs;
  std::string location;
};

int64_t At(std::size_t row) { return int64_t{FirstTime} + int64_t(row) * Interval; }

TEST_P(StorePlot, EnvelopeDrawsWhatTheRowsDraw) {
  auto store = OpenStore(location, StoreAccess::ReadOnly);
  auto series = store->Export(42, INT64_MIN, INT64_MAX);
  ASSERT_TRUE(series);
  PreviewData rows = LoadPreview(*series);
  InsertEmptyRows(rows, GapBreaks(FindGaps(store->Spans(42, INT64_MIN, INT64_MAX))));
  struct View {
    int64_t from, to;
    int columns;
  };
  std::vector<View> views = {
      {At(0), At(1100), 1600},         // everything, fewer rows than columns
      {At(0), At(1100), 97},           // many rows per column
      {At(0), At(1100), 11},           // a column holds the gap and the overlap
      {At(0), At(1100), 1100},         // a column exactly per interval
      {At(385), At(395), 3},           // the conflict, rows beyond both ends
      {At(820), At(1000), 41},         // from inside the gap
      {At(100), At(800) + 17, 64},     // off the grid
      {At(0) - 5000, At(50), 7},       // before the first row
      {At(1050), At(1100) + 9000, 5},  // past the last row
      {At(370), At(410), 1},           // the added channel, new meanings and the conflict in one column
      {At(200), At(260), 4},           // missing values scattered in each column
  };
  // One column from a row where the output gives no value to the next such
  // row at least two rows on: a column that starts and ends without one.
  const auto logged = LongSeries(1101, 7);
  for (std::size_t first = 0, r = 1; r < 380; ++r) {
    if (logged[r][3] >= 0) continue;
    if (first > 0 && r >= first + 2) {
      views.push_back({At(first), At(r) + 1, 1});
      break;
    }
    if (first == 0) first = r;
  }
  ASSERT_EQ(views.size(), 12u);
  for (const auto& view : views) {
    SCOPED_TRACE(std::to_string(view.from - At(0)) + ".." + std::to_string(view.to - At(0)) + " in " +
                 std::to_string(view.columns));
    const auto envelope = store->Envelope(42, view.from, view.to, view.columns);
    ASSERT_TRUE(envelope);
    ASSERT_EQ(envelope->series.channels.size(), rows.channels.size());
    for (std::size_t c = 0; c < rows.channels.size(); ++c) {
      SCOPED_TRACE(rows.channels[c].name);
      const auto lines = ChannelLines(rows, c, double(view.from), double(view.to), view.columns);
      const auto drawn = EnvelopeLines(envelope->series, c);
      ASSERT_EQ(drawn.size(), lines.size());
      for (std::size_t l = 0; l < lines.size(); ++l) {
        ASSERT_EQ(drawn[l].size(), lines[l].size()) << "line " << l;
        for (std::size_t p = 0; p < lines[l].size(); ++p) {
          EXPECT_EQ(drawn[l][p].time, lines[l][p].time);
          EXPECT_EQ(drawn[l][p].value, lines[l][p].value);
        }
      }
      const double column = double(view.to - view.from) / view.columns;
      EXPECT_EQ(EnvelopeOnRuns(envelope->series, c, column),
                OnRuns(rows, c, double(view.from), double(view.to), view.columns));
    }
  }
  EXPECT_FALSE(store->Envelope(43, At(0), At(1), 10));
  EXPECT_THROW(store->Envelope(42, At(1), At(1), 10), StoreError);
  EXPECT_THROW(store->Envelope(42, At(0), At(1), 0), StoreError);
}

ProcessResult Plot(std::vector<std::string> args) {
  args.insert(args.begin(), {"TZ=UTC", BuildPath("plot/zerb32-plot")});
  return test::RunProcess("/usr/bin/env", args);
}

// The same picture as the logs merged, gaps shaded, over the whole history
// and over a zoomed range.
TEST_P(StorePlot, SamePictureAsTheLogsMerged) {
  const std::vector<std::vector<std::string>> ranges = {
      {}, {"--from", "2026-12-01T12:00", "--to", "2026-12-02T20:00"}, {"--width", "3000"}};
  for (const auto& range : ranges) {
    std::vector<std::string> fromLogs = logs, fromStore = {"--db", location, "--site", "42"};
    for (auto* args : {&fromLogs, &fromStore}) {
      args->insert(args->end(), {"-o", dir.File(args == &fromLogs ? "logs.svg" : "store.svg")});
      args->insert(args->end(), range.begin(), range.end());
      const ProcessResult run = Plot(*args);
      ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    const std::string picture = ReadFile(dir.File("logs.svg"));
    EXPECT_TRUE(picture == ReadFile(dir.File("store.svg"))) << "range " << (range.empty() ? "" : range[1]);
    EXPECT_NE(picture.find("fill=\"#e4e4e4\""), std::string::npos);
  }
}

TEST_P(StorePlot, BadStoresAndSitesSayWhy) {
  const std::string out = dir.File("out.svg");
  SetNewerSchema(GetParam(), location);
  std::filesystem::copy_file(logs[0], dir.File("not-a-store.db"));
  const struct {
    std::vector<std::string> args;
    int code;
    const char* says;
  } rows[] = {
      {{"--db", location, "--site", "42", "-o", out}, 1, "newer"},
      {{"--db", dir.File("not-a-store.db"), "--site", "42", "-o", out}, 1, "not-a-store.db"},
      {{"--db", "postgresql:///none?host=/nowhere", "--site", "42", "-o", out}, 1, "/nowhere"},
      {{"--db", location, "-o", out}, 2, "--db needs --site"},
      {{"--db", location, "--site", "x42", "-o", out}, 2, "--site takes a site number"},
      {{"--db", location, "--site", "42", "-l", "-o", out}, 2, "--lan applies to logs"},
      {{logs[0], "--site", "42", "-o", out}, 2, "--site applies to a store"},
      {{logs[0], "--db", location, "--site", "42", "-o", out}, 2, "either logs or --db"},
      {{"--db", location, "--site", "42", "--from", "2026-02-30", "-o", out}, 2, "--from takes"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.says);
    const ProcessResult run = Plot(row.args);
    EXPECT_EQ(run.exitCode, row.code);
    EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST_P(StorePlot, UnknownSiteSaysSo) {
  const ProcessResult run = Plot({"--db", location, "--site", "43", "-o", dir.File("out.svg")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "zerb32-plot: site 43 is not in the store " + location + "\n");
}

INSTANTIATE_TEST_SUITE_P(Engines, StorePlot, ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}),
                         EngineName);

}  // namespace
}  // namespace zerb::historytest
