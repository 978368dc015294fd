// The SQLite store when the disk fills up during an import: the import
// fails with a sentence that names the store, the logs committed before
// stay whole and readable, and the store can take the log afterwards.


#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "history/Store.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "support/Child.h"
#include "support/Files.h"

namespace zerb::historytest {
namespace {

using test::TempDir;

// Imports `log` in a child whose files may not grow past `limit` bytes (a
// full disk, as the store sees it); returns what the import said.
std::string ImportOnAFullDisk(const std::string& store, const std::string& log, unsigned long limit) {
  return test::WithFileSizeLimit(limit, [&] {
    std::string said = "imported";
    try {
      const ImportOutcome outcome = OpenStore(store, StoreAccess::Write)->Import(log, {});
      if (outcome.status != ImportStatus::Imported) said = "not imported: " + outcome.reason;
    } catch (const StoreError& e) {
      said = e.what();
    }
    return said;
  });
}

TEST(SqliteStoreFaults, AFullDiskFailsTheImportAndKeepsWhatWasCommitted) {
  TempDir folder;
  const auto series = LongSeries(1200, 5);
  WriteSiteFile(folder.File("42.STE"), 1);
  const std::string small = folder.File("42_a.log"), large = folder.File("42_b.log");
  ASSERT_TRUE(WriteLogFile(small, CutLog(series, 0, 20, false)));
  ASSERT_TRUE(WriteLogFile(large, CutLog(series, 21, 1199, false)));
  const std::string store = folder.File("store.db");
  ASSERT_EQ(OpenStore(store, StoreAccess::Write)->Import(small, {}).status, ImportStatus::Imported);
  const Engine sqlite{"SQLite", false};
  const std::string before = Dump(*OpenStore(store, StoreAccess::ReadOnly)->Export(42, INT64_MIN, INT64_MAX));

  const std::string said = ImportOnAFullDisk(store, large, 96 * 1024);
  EXPECT_EQ(said.rfind("cannot write the store " + store + ": ", 0), 0u) << said;

  EXPECT_EQ(Sql(sqlite, store, "PRAGMA integrity_check"), "ok\n");
  auto reader = OpenStore(store, StoreAccess::ReadOnly);
  EXPECT_EQ(Dump(*reader->Export(42, INT64_MIN, INT64_MAX)), before);
  EXPECT_EQ(reader->Summaries(42).at(0).imports, 1);
  EXPECT_EQ(OpenStore(store, StoreAccess::Write)->Import(large, {}).status, ImportStatus::Imported);
}

}  // namespace
}  // namespace zerb::historytest
