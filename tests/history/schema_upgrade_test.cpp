// A store of schema version 1, made by the program before version 2 from
// the sample log (tests/history/stores/): read as it is by export and
// history, upgraded in place by import, on every engine from one source.

#include <filesystem>

#include <gtest/gtest.h>

#include "history/engine_support.h"
#include "support/Files.h"

namespace zerb::historytest {
namespace {

namespace fs = std::filesystem;

class SchemaUpgrade : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    for (const char* file : {"42.log", "42.STE"}) fs::copy_file(test::SourcePath(std::string("samples/") + file), folder.File(file));
    if (GetParam().postgres) {
      const std::string database = test::NewPgDatabase();
      const auto load = test::RunProcess(test::PgEnv("ZERB32_PG_BINDIR") + "/psql",
                                         {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", test::PgUri(database), "-f",
                                          test::SourcePath("tests/history/stores/store-v1.pg.sql")});
      ASSERT_EQ(load.exitCode, 0) << load.err;
      old = test::PgUri(database);
    } else {
      old = folder.File("v1.db");
      fs::copy_file(test::SourcePath("tests/history/stores/store-v1.db"), old);
    }
    auto fresh = OpenStore(NewLocation(GetParam(), folder), StoreAccess::Write);
    EXPECT_EQ(fresh->Import(folder.File("42.log"), {}).status, ImportStatus::Imported);
    expected = Dump(*fresh->Export(42, INT64_MIN, INT64_MAX));
  }
  std::string Version() {
    return Sql(GetParam(), old,
               GetParam().postgres ? "SELECT max(schema_version) FROM zerb32_store" : "PRAGMA user_version");
  }
  std::string Contents() {
    return Sql(GetParam(), old, "SELECT count(*), sum(raw), min(time), max(time) FROM readings") +
           Sql(GetParam(), old, "SELECT content_hash, readings FROM imports");
  }

  TempDir folder;
  std::string old, expected;
};

TEST_P(SchemaUpgrade, ExportAndHistoryReadAVersion1StoreWithoutChangingIt) {
  const std::string before = GetParam().postgres ? Contents() : test::ReadFile(old);
  {
    auto store = OpenStore(old, StoreAccess::ReadOnly);
    EXPECT_EQ(Dump(*store->Export(42, INT64_MIN, INT64_MAX)), expected);
    const std::vector<SiteSummary> sites = store->Summaries(std::nullopt);
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0].readings, 4616);
    EXPECT_EQ(sites[0].imports, 1);
  }
  EXPECT_EQ(Version(), "1\n");
  EXPECT_EQ(GetParam().postgres ? Contents() : test::ReadFile(old), before);
}

TEST_P(SchemaUpgrade, ImportUpgradesAndKnowsTheOldLogsByTheirOldIdentity) {
  const std::string before = Contents();
  auto store = OpenStore(old, StoreAccess::Write);
  EXPECT_EQ(Version(), "2\n");
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(store->Import(folder.File("42.log"), {}).status, ImportStatus::Skipped);
  EXPECT_EQ(Dump(*store->Export(42, INT64_MIN, INT64_MAX)), expected);
  EXPECT_EQ(Sql(GetParam(), old, "SELECT site_description, legacy_hash = content_hash FROM imports"),
            GetParam().postgres ? "complete|t\n" : "complete|1\n");
}

INSTANTIATE_TEST_SUITE_P(Engines, SchemaUpgrade, ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}),
                         EngineName);

}  // namespace
}  // namespace zerb::historytest
