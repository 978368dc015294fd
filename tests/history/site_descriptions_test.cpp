// What a store and merge make of logs decoded with different site
// descriptions, on every engine from one source: a log without its site
// file never renames or rescales what a complete one decoded; a changed
// meaning gets its own column; conflicts are the same in any import order.

#include <filesystem>

#include <gtest/gtest.h>

#include "history/Merge.h"
#include "history/engine_support.h"
#include "history/history_support.h"

namespace zerb::historytest {
namespace {

namespace fs = std::filesystem;

class SiteDescriptions : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    series = LongSeries(300, 5);
  }
  // The log of rows [first, last] in `dir` (made), with site file `version`
  // beside it (0: none).
  std::string Log(const std::string& dir, const std::string& name, std::size_t first, std::size_t last,
                  int version) {
    fs::create_directories(folder.File(dir));
    if (version > 0) WriteSiteFile(folder.File(dir + "/42.STE"), version);
    const std::string path = folder.File(dir + "/" + name);
    EXPECT_TRUE(WriteLogFile(path, CutLog(series, first, last, true)));
    return path;
  }
  std::unique_ptr<Store> NewStore() { return OpenStore(location = NewLocation(GetParam(), folder), StoreAccess::Write); }
  std::string Exported(Store& store) { return Dump(*store.Export(42, INT64_MIN, INT64_MAX)); }

  std::vector<std::vector<int16_t>> series;
  TempDir folder;
  std::string location;
};

// Two downloads with the same raw counts, the newer without its site file,
// in both orders, with and without --allow-default-site, and a third log
// that brings the site file back: the store ends as if every log had come
// with its site file.
TEST_P(SiteDescriptions, ALogWithoutItsSiteFileNeverRewritesTheHistory) {
  const std::string old = Log("site", "42_old.log", 0, 120, 1), bare = Log("bare", "42_new.log", 100, 220, 0);
  const std::string back = Log("back", "42_back.log", 200, 299, 1);
  const std::string withSite = Log("ref", "42_new.log", 100, 220, 1);
  const struct Step {
    const std::string* log;
    bool allowDefault;
    ImportStatus status;
    const char* warning;  // part of it; "" none
  } refused{&bare, false, ImportStatus::Failed, ""}, defaulted{&bare, true, ImportStatus::Imported, "take default names"},
      decoded{&bare, false, ImportStatus::Imported, "decoded with the complete site description of " },
      complete{&old, false, ImportStatus::Imported, ""}, returns{&back, false, ImportStatus::Imported, ""};
  const struct {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> reference;  // the same logs, each with its site file
  } cases[] = {
      {"old, new", {complete, decoded}, {old, withSite}},
      {"old, new, allowed", {complete, {&bare, true, ImportStatus::Imported, "decoded with"}}, {old, withSite}},
      {"new refused, old, new", {refused, complete, decoded}, {old, withSite}},
      {"new allowed, old", {defaulted, complete}, {old, withSite}},
      {"new allowed, then the site file back", {defaulted, returns}, {withSite, back}},
      {"new allowed, back, old", {defaulted, returns, complete}, {old, withSite, back}},
  };
  for (const auto& c : cases) {
    auto reference = NewStore();
    for (const std::string& log : c.reference) ASSERT_EQ(reference->Import(log, {}).status, ImportStatus::Imported);
    auto store = NewStore();
    for (const Step& step : c.steps) {
      const ImportOutcome outcome = store->Import(*step.log, {false, false, step.allowDefault});
      EXPECT_EQ(outcome.status, step.status) << c.name << ": " << outcome.reason;
      EXPECT_NE(outcome.warning.find(step.warning), std::string::npos) << c.name << ": " << outcome.warning;
      if (step.status == ImportStatus::Failed) {
        EXPECT_NE(outcome.reason.find("--allow-default-site"), std::string::npos) << outcome.reason;
      }
      EXPECT_EQ(outcome.report.conflictCount, 0u) << c.name;
    }
    EXPECT_EQ(Exported(*store), Exported(*reference)) << c.name;
    EXPECT_EQ(store->Summaries(42)[0].name, "Riverside") << c.name;
    EXPECT_EQ(Sql(GetParam(), location, "SELECT count(*) FROM imports WHERE site_description IN ('none', 'incomplete')"),
              "0\n")
        << c.name;
  }
  // merge follows the same rules.
  MergeResult merged = MergeLogs({bare, old}, {});
  EXPECT_EQ(merged.merged, 2u);
  ASSERT_EQ(merged.warnings.size(), 1u);
  EXPECT_NE(merged.warnings[0].reason.find("decoded with the complete site description of " + old), std::string::npos);
  MergeResult alone = MergeLogs({bare}, {});
  ASSERT_EQ(alone.failures.size(), 1u);
  EXPECT_NE(alone.failures[0].reason.find("no complete description of site 42"), std::string::npos);
}

// The ASM's exponent and the output's type change in site file version 3:
// each meaning is a column named with its span, in the store as in merge,
// and `history` lists the change.
TEST_P(SiteDescriptions, AChangedMeaningIsAColumnOfItsOwn) {
  const std::string old = Log("v1", "42_a.log", 0, 150, 1), changed = Log("v3", "42_b.log", 100, 299, 3);
  auto store = NewStore();
  for (const std::string& log : {changed, old}) ASSERT_EQ(store->Import(log, {}).status, ImportStatus::Imported);
  MergeResult merged = MergeLogs({old, changed}, {});
  ASSERT_EQ(merged.merged, 2u);
  const std::string exported = Exported(*store);
  EXPECT_EQ(exported, Dump(merged.series));
  const std::string a = "2026-11-30T00:53:20 to 2026-11-30T13:23:20", b = "2026-11-30T09:13:20 to 2026-12-01T01:48:20";
  for (const std::string& column : {"1/8 Valve (" + a + ") VARIABLE %-1\n", "1/8 Valve (" + b + ") ON/OFF %-1d\n",
                                    "2/" + std::to_string(AsmKey) + " Set pt (" + a + ") ASM  -1\n",
                                    "2/" + std::to_string(AsmKey) + " Set pt (" + b + ") ASM  -2\n",
                                    std::string("0/1 Temp room TS4-C C-1\n")})
    EXPECT_NE(exported.find(column), std::string::npos) << column << exported;
  // Each reading once, in the column of the log it was kept from.
  std::size_t valves = 0;
  merged.series.ForEachRow([&](uint32_t, std::span<const Reading> readings) {
    valves += readings[3].present + readings[4].present;
    EXPECT_FALSE(readings[3].present && readings[4].present);
    return true;
  });
  EXPECT_EQ(valves, 300u);
  std::size_t changes = 0;
  const std::vector<SiteSummary> summaries = store->Summaries(42);
  for (const DescriptionChange& d : summaries[0].changes) changes += IdOf(d.channel).kind != ChannelKind::Sensor;
  EXPECT_EQ(changes, 4u);  // Valve and Set pt, each twice
}

// Three logs holding one reading with three raw counts: forward and
// reverse imports leave the same conflicts, kept and other alike, and the
// same counts per log.
TEST_P(SiteDescriptions, ConflictsDoNotDependOnTheImportOrder) {
  std::vector<std::string> logs;
  for (int k = 0; k < 3; ++k) {
    for (auto& row : series) row[0] = static_cast<int16_t>(row[0] + 3);
    logs.push_back(Log("site", "42_" + std::to_string(k) + ".log", static_cast<std::size_t>(k) * 40,
                       100 + static_cast<std::size_t>(k) * 40, 1));
  }
  std::string state[2];
  std::size_t reported[2] = {0, 0};
  for (int pass = 0; pass < 2; ++pass) {
    auto store = NewStore();
    for (int i = 0; i < 3; ++i) {
      const ImportOutcome outcome = store->Import(logs[static_cast<std::size_t>(pass == 0 ? i : 2 - i)], {});
      reported[pass] += outcome.report.conflictCount - outcome.report.resolvedCount;
    }
    state[pass] = Sql(GetParam(), location,
                      "SELECT c.time, c.kept_raw, c.other_raw, k.log_path, o.log_path FROM conflicts c "
                      "JOIN imports k ON k.id = c.kept_import JOIN imports o ON o.id = c.other_import "
                      "ORDER BY c.time, o.log_path") +
                  Sql(GetParam(), location, "SELECT log_path, conflicts FROM imports ORDER BY log_path") +
                  Exported(*store);
  }
  EXPECT_EQ(state[0], state[1]);
  EXPECT_EQ(reported[0], reported[1]);
  EXPECT_EQ(reported[0], MergeLogs(logs, {}).report.conflictCount);
  EXPECT_EQ(reported[0], 40u + 2 * 21u + 40u);  // rows 40-79 one loser, 80-100 two, 101-140 one
}

INSTANTIATE_TEST_SUITE_P(Engines, SiteDescriptions,
                         ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}), EngineName);

}  // namespace
}  // namespace zerb::historytest
