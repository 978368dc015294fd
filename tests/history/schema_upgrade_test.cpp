// Stores of older schema versions, each made from the sample log by the
// program of its time (tests/history/stores/): read as they are by export
// and history, upgraded in place by import, on every engine from one source.

#include <filesystem>

#include <gtest/gtest.h>

#include "history/engine_support.h"
#include "support/Files.h"

namespace zerb::historytest {
namespace {

namespace fs = std::filesystem;

// A store of an older version on an engine, and what its upgrade keeps of
// its logs' identity.
struct OldStore {
  Engine engine;
  const char* version;
  const char* identity;  // site_description and whether legacy_hash is content_hash, after the upgrade
};

class SchemaUpgrade : public ::testing::TestWithParam<OldStore> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam().engine);
    const std::string fixture = std::string("tests/history/stores/store-v") + GetParam().version;
    for (const char* file : {"42.log", "42.STE"}) fs::copy_file(test::SourcePath(std::string("samples/") + file), folder.File(file));
    if (GetParam().engine.postgres) {
      const std::string database = test::NewPgDatabase();
      const auto load = test::RunProcess(test::PgEnv("ZERB32_PG_BINDIR") + "/psql",
                                         {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", test::PgUri(database), "-f",
                                          test::SourcePath(fixture + ".pg.sql")});
      ASSERT_EQ(load.exitCode, 0) << load.err;
      old = test::PgUri(database);
    } else {
      old = folder.File("old.db");
      fs::copy_file(test::SourcePath(fixture + ".db"), old);
    }
    freshLocation = NewLocation(GetParam().engine, folder);
    auto fresh = OpenStore(freshLocation, StoreAccess::Write);
    EXPECT_EQ(fresh->Import(folder.File("42.log"), {}).status, ImportStatus::Imported);
    expected = Dump(*fresh->Export(42, INT64_MIN, INT64_MAX));
  }
  bool Postgres() const { return GetParam().engine.postgres; }
  std::string Version() {
    return Sql(GetParam().engine, old, Postgres() ? "SELECT max(schema_version) FROM zerb32_store" : "PRAGMA user_version");
  }
  std::string Contents() {
    return Sql(GetParam().engine, old, "SELECT count(*), sum(raw), min(time), max(time) FROM readings") +
           Sql(GetParam().engine, old, "SELECT content_hash, readings FROM imports");
  }

  // Every row of reading_values, each real number in full.
  std::string ViewRows(const std::string& location) {
    const char* value = Postgres() ? "value::text" : "printf('%!.17g', value)";
    return Sql(GetParam().engine, location,
               std::string("SELECT site, kind, key, channel, unit, ") + value +
                   ", civil_time, time, unix_time, zone, day FROM reading_values ORDER BY site, kind, key, civil_time");
  }

  TempDir folder;
  std::string old, freshLocation, expected;
};

TEST_P(SchemaUpgrade, ExportAndHistoryReadAnOlderStoreWithoutChangingIt) {
  const std::string before = Postgres() ? Contents() : test::ReadFile(old);
  {
    auto store = OpenStore(old, StoreAccess::ReadOnly);
    EXPECT_EQ(Dump(*store->Export(42, INT64_MIN, INT64_MAX)), expected);
    const std::vector<SiteSummary> sites = store->Summaries(std::nullopt);
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0].readings, 4616);
    EXPECT_EQ(sites[0].imports, 1);
  }
  EXPECT_EQ(Version(), std::string(GetParam().version) + "\n");
  EXPECT_EQ(Postgres() ? Contents() : test::ReadFile(old), before);
  // From version 4 the view has this version's columns: an older
  // definition gives the same rows.
  if (std::string(GetParam().version) >= "4") {
    EXPECT_EQ(ViewRows(old), ViewRows(freshLocation));
  }
}

TEST_P(SchemaUpgrade, ImportUpgradesAndKnowsTheOldLogsByTheirOldIdentity) {
  const std::string before = Contents();
  auto store = OpenStore(old, StoreAccess::Write);
  EXPECT_EQ(Version(), "6\n");
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(store->Import(folder.File("42.log"), {}).status, ImportStatus::Skipped);
  EXPECT_EQ(Dump(*store->Export(42, INT64_MIN, INT64_MAX)), expected);
  EXPECT_EQ(Sql(GetParam().engine, old,
                "SELECT site_description, coalesce(legacy_hash = content_hash, false) FROM imports"),
            std::string(GetParam().identity) + "\n");
  // The upgrade's views read the stored readings.
  EXPECT_EQ(Sql(GetParam().engine, old, "SELECT count(*), count(value), count(time) FROM reading_values"),
            "4616|4616|0\n");
  EXPECT_EQ(Sql(GetParam().engine, old,
                "SELECT count(DISTINCT channel), count(DISTINCT kind), count(DISTINCT day) FROM reading_values"),
            "8|3|3\n");
  EXPECT_EQ(ViewRows(old), ViewRows(freshLocation));
}

INSTANTIATE_TEST_SUITE_P(Versions, SchemaUpgrade,
                         ::testing::Values(OldStore{{"SQLite", false}, "1", "complete|1"},
                                           OldStore{{"PostgreSQL", true}, "1", "complete|t"},
                                           OldStore{{"SQLite", false}, "2", "complete|0"},
                                           OldStore{{"PostgreSQL", true}, "2", "complete|f"},
                                           OldStore{{"SQLite", false}, "3", "complete|0"},
                                           OldStore{{"PostgreSQL", true}, "3", "complete|f"},
                                           OldStore{{"SQLite", false}, "4", "complete|0"},
                                           OldStore{{"PostgreSQL", true}, "4", "complete|f"},
                                           OldStore{{"SQLite", false}, "5", "complete|0"},
                                           OldStore{{"PostgreSQL", true}, "5", "complete|f"}),
                         [](const ::testing::TestParamInfo<OldStore>& p) {
                           return std::string(p.param.engine.name) + "Version" + p.param.version;
                         });

}  // namespace
}  // namespace zerb::historytest
