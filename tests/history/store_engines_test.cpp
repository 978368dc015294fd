// The store's rules on every engine, from one source: SQLite always,
// PostgreSQL where the test cluster runs (tools/pg-test-cluster.sh). Each
// store must give back what `merge` makes of the same logs, whatever the
// order they were imported in.

#include <algorithm>
#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "history/Merge.h"
#include "history/Store.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "support/Files.h"

namespace zerb::historytest {
namespace {

using test::TempDir;

class StoreEngine : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    const auto series = LongSeries(300, 11);
    for (int v = 1; v <= 2; ++v) {
      std::filesystem::create_directory(folder.File("v" + std::to_string(v)));
      WriteSiteFile(folder.File("v" + std::to_string(v) + "/42.STE"), v);
    }
    // Overlapping cuts, a channel added and the site file changed on the
    // way; a log whose Temp readings differ from the others' (conflicts);
    // one off the others' grid.
    auto conflicting = series;
    for (auto& row : conflicting) row[0] = static_cast<int16_t>(row[0] + 5);
    auto offGrid = CutLog(series, 250, 280, true);
    for (const std::size_t at : {102, 106, 110}) {  // its three clocks, 100 s later (a third of the interval)
      uint32_t time = 0;
      for (std::size_t i = 4; i-- > 0;) time = time << 8 | offGrid[at + i];
      time += 100;
      for (std::size_t i = 0; i < 4; ++i) offGrid[at + i] = static_cast<uint8_t>(time >> (8 * i));
    }
    const struct {
      const char* name;
      std::vector<uint8_t> image;
      int site;
    } logs[] = {{"42_a.log", CutLog(series, 0, 120, false), 1},
                {"42_b.log", CutLog(series, 100, 220, true), 1},
                {"42_c.log", CutLog(series, 200, 299, true), 2},
                {"42_d.log", CutLog(conflicting, 60, 110, false), 1},
                {"42_e.log", offGrid, 2}};
    for (const auto& log : logs) {
      paths.push_back(folder.File("v" + std::to_string(log.site) + "/" + log.name));
      ASSERT_TRUE(WriteLogFile(paths.back(), log.image));
    }
  }

  TempDir folder;
  std::vector<std::string> paths;
};

TEST_P(StoreEngine, StoredSeriesIsTheMergeWhateverTheImportOrder) {
  const HistoryLogOptions options{false, true};
  MergeResult merged = MergeLogs(paths, options);
  ASSERT_EQ(merged.merged, paths.size());
  ASSERT_EQ(merged.report.conflictCount, 51u);  // log d's Temp, rows 60 to 110
  ASSERT_EQ(merged.report.offGrid.size(), 1u);  // log e
  const std::string expected = Dump(merged.series);
  std::mt19937 random(3);
  for (int order = 0; order < 3; ++order) {
    std::shuffle(paths.begin(), paths.end(), random);
    auto store = OpenStore(NewLocation(GetParam(), folder), StoreAccess::Write);
    std::size_t conflicts = 0;  // those each log adds, less those it ends
    for (const std::string& path : paths) {
      const ImportOutcome outcome = store->Import(path, options);
      EXPECT_EQ(outcome.status, ImportStatus::Imported) << path << ": " << outcome.reason;
      conflicts += outcome.report.conflictCount - outcome.report.resolvedCount;
    }
    EXPECT_EQ(conflicts, merged.report.conflictCount);
    auto stored = store->Export(42, INT64_MIN, INT64_MAX);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(Dump(*stored), expected) << "order " << order;
    const auto summaries = store->Summaries(std::nullopt);
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].name, "Riverside Offices");
    EXPECT_EQ(summaries[0].imports, static_cast<int64_t>(paths.size()));
    EXPECT_EQ(summaries[0].conflicts, static_cast<int64_t>(merged.report.conflictCount));
  }
}

// Logs that repeat stored readings take them over without writing them
// again. In every order, each log imported twice (the second time
// skipped), the store gives merge's rows and anchors and its conflict
// count, and the same conflicts and holder of every reading.
TEST_P(StoreEngine, RepeatedReadingsLeaveTheSameStoreInEveryOrder) {
  const HistoryLogOptions options{false, true};
  const auto series = LongSeries(300, 11);
  const struct {
    const char* name;
    std::size_t first, last;
    bool withAdded;
  } repeats[] = {{"42_f.log", 100, 221, true}, {"42_g.log", 30, 90, false}, {"42_h.log", 0, 299, true}};
  for (const auto& r : repeats) {
    paths.push_back(folder.File(std::string("v1/") + r.name));
    ASSERT_TRUE(WriteLogFile(paths.back(), CutLog(series, r.first, r.last, r.withAdded)));
  }
  MergeResult merged = MergeLogs(paths, options);
  ASSERT_EQ(merged.merged, paths.size());
  const std::string expected = DumpWithAnchors(merged.series);
  const std::vector<std::size_t> orders[] = {
      {0, 1, 2, 3, 4, 5, 6, 7}, {7, 6, 5, 4, 3, 2, 1, 0}, {5, 6, 0, 3, 7, 1, 4, 2}, {2, 7, 4, 0, 6, 1, 3, 5}};
  const std::string holders =
      "SELECT r.kind, r.key, r.time, r.raw, i.log_path FROM readings r JOIN imports i ON i.id = (SELECT h.import "
      "FROM holdings h WHERE h.site = r.site AND h.kind = r.kind AND h.key = r.key AND h.first_time <= r.time "
      "ORDER BY h.first_time DESC LIMIT 1) ORDER BY 1, 2, 3";
  const std::string conflicts =
      "SELECT c.kind, c.key, c.time, c.kept_raw, c.other_raw, k.log_path, o.log_path, k.conflicts FROM conflicts c "
      "JOIN imports k ON k.id = c.kept_import JOIN imports o ON o.id = c.other_import ORDER BY 1, 2, 3, 7";
  std::string first;
  for (const auto& order : orders) {
    const std::string location = NewLocation(GetParam(), folder);
    auto store = OpenStore(location, StoreAccess::Write);
    std::size_t found = 0;
    for (const std::size_t i : order)
      for (const ImportStatus status : {ImportStatus::Imported, ImportStatus::Skipped}) {
        const ImportOutcome outcome = store->Import(paths[i], options);
        EXPECT_EQ(outcome.status, status) << paths[i] << ": " << outcome.reason;
        found += outcome.report.conflictCount - outcome.report.resolvedCount;
      }
    EXPECT_EQ(found, merged.report.conflictCount);
    EXPECT_EQ(DumpWithAnchors(*store->Export(42, INT64_MIN, INT64_MAX)), expected);
    const std::string state = Sql(GetParam(), location, holders) + Sql(GetParam(), location, conflicts);
    if (first.empty()) first = state;
    EXPECT_EQ(state, first) << "order from " << order[0];
  }
}

// A slot listed twice is one channel with one meaning, read from its first
// column; a later log of the same channels finds the meanings stored.
TEST_P(StoreEngine, ASlotListedTwiceIsOneChannel) {
  const auto series = LongSeries(40, 5);
  const std::string location = NewLocation(GetParam(), folder);
  auto store = OpenStore(location, StoreAccess::Write);
  for (const std::size_t last : {20, 39}) {
    LogSource s;
    s.interval = Interval;
    s.pcTime = s.lanTime = s.localLanTime = FirstTime + static_cast<uint32_t>(last) * Interval;
    s.sensorSlotsA = {1, 2, 1};
    s.outputSlotsA = {8};
    s.asmSlots = {AsmKey};
    for (std::size_t r = last - 20; r <= last; ++r) s.rows.push_back(series[r]);  // the third column is Added's
    const std::string path = folder.File("v1/42_t" + std::to_string(last) + ".log");
    ASSERT_TRUE(WriteLogFile(path, MakeLogImage(s)));
    ASSERT_EQ(store->Import(path, {}).status, ImportStatus::Imported) << path;
  }
  EXPECT_EQ(Sql(GetParam(), location, "SELECT count(*), count(DISTINCT id) FROM meanings"), "4|4\n");
  EXPECT_EQ(Sql(GetParam(), location,
                "SELECT count(DISTINCT meaning) FROM import_channels WHERE kind = 0 AND key = 1"),
            "1\n");
  std::string temps;
  for (std::size_t r = 0; r < 40; ++r) temps += std::to_string(series[r][0]) + "\n";
  EXPECT_EQ(Sql(GetParam(), location, "SELECT raw FROM readings WHERE kind = 0 AND key = 1 ORDER BY time"), temps);
}

TEST_P(StoreEngine, KnownLogsAreSkippedAndABadLogOrAnotherClockAddsNothing) {
  auto store = OpenStore(NewLocation(GetParam(), folder), StoreAccess::Write);
  const HistoryLogOptions options{false, false};
  ASSERT_EQ(store->Import(paths[0], options).status, ImportStatus::Imported);
  const std::string before = Dump(*store->Export(42, INT64_MIN, INT64_MAX));
  EXPECT_EQ(store->Import(paths[0], options).status, ImportStatus::Skipped);
  auto damaged = test::ReadFile(paths[1]);
  damaged.resize(damaged.size() / 2);
  test::WriteFile(folder.File("v1/42_damaged.log"), damaged);
  const ImportOutcome outcome = store->Import(folder.File("v1/42_damaged.log"), options);
  EXPECT_EQ(outcome.status, ImportStatus::Failed);
  EXPECT_FALSE(outcome.reason.empty());
  const ImportOutcome otherClock = store->Import(paths[1], {true, false});
  EXPECT_EQ(otherClock.status, ImportStatus::Failed);
  EXPECT_NE(otherClock.reason.find("kept on the PC clock"), std::string::npos) << otherClock.reason;
  EXPECT_EQ(Dump(*store->Export(42, INT64_MIN, INT64_MAX)), before);
  EXPECT_EQ(store->Summaries(42)[0].imports, 1);
}

TEST_P(StoreEngine, OnlyImportCreatesAStoreAndANewerSchemaIsRefused) {
  const std::string location = NewLocation(GetParam(), folder);
  EXPECT_THROW(OpenStore(location, StoreAccess::ReadOnly), StoreError);
  OpenStore(location, StoreAccess::Write)->Import(paths[0], {});
  EXPECT_EQ(OpenStore(location, StoreAccess::ReadOnly)->Summaries(std::nullopt).size(), 1u);
  SetNewerSchema(GetParam(), location);
  for (const StoreAccess access : {StoreAccess::Write, StoreAccess::ReadOnly}) {
    try {
      OpenStore(location, access);
      ADD_FAILURE() << "a store of a newer schema opened";
    } catch (const StoreError& e) {
      EXPECT_NE(std::string(e.what()).find("newer"), std::string::npos) << e.what();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, StoreEngine,
                         ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}), EngineName);

}  // namespace
}  // namespace zerb::historytest
