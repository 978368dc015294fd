// A site's history drawn from a store by zerb32-plot: the same picture as
// the logs merged, on both engines (the store's envelope itself is checked
// in tests/history/store_envelope_test.cpp).

#include <gtest/gtest.h>

#include <filesystem>

#include "history/Spans.h"
#include "history/engine_support.h"
#include "history/plot_history.h"
#include "history/history_support.h"
#include "support/Files.h"
#include "support/Process.h"

namespace zerb::historytest {
namespace {

using test::BuildPath;
using test::ProcessResult;
using test::ReadFile;

class StorePlot : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    logs = WritePlotHistory(dir);
    location = NewLocation(GetParam(), dir);
    auto store = OpenStore(location, StoreAccess::Write);
    for (const std::string& log : logs) ASSERT_EQ(store->Import(log, {}).status, ImportStatus::Imported) << log;
  }
  TempDir dir;
  std::vector<std::string> logs;
  std::string location;
};

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
