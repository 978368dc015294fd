// A store the user may only read, under names that a file URI must escape:
// opened read-only as it is, it gives what was imported.

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "history/Store.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "support/Child.h"

namespace zerb::historytest {
namespace {

TEST(ReadOnlyStore, ExportsWhatWasImportedWhateverItsName) {
  TempDir folder;
  WriteSiteFile(folder.File("42.STE"), 1);
  const std::string log = folder.File("42.log");
  ASSERT_TRUE(WriteLogFile(log, CutLog(LongSeries(60, 3), 0, 59, false)));
  for (const char* name : {"plain.db", "100%25.db", "which?.db", "#1.db"}) {
    SCOPED_TRACE(name);
    const std::string store = folder.File(name);
    ASSERT_EQ(OpenStore(store, StoreAccess::Write)->Import(log, {}).status, ImportStatus::Imported);
    const std::string stored = Dump(*OpenStore(store, StoreAccess::ReadOnly)->Export(42, INT64_MIN, INT64_MAX));
    ASSERT_EQ(chmod(store.c_str(), 0444), 0);
    // Root may write any file: the child keeps root's user but not its rights.
    const std::string read = test::WithoutCapabilities([&] {
      try {
        const auto reader = OpenStore(store, StoreAccess::ReadOnly);
        const auto series = reader->Export(42, INT64_MIN, INT64_MAX);
        return series ? Dump(*series) : std::string("no site");
      } catch (const StoreError& e) {
        return std::string(e.what());
      }
    });
    EXPECT_EQ(read, stored);
  }
}

}  // namespace
}  // namespace zerb::historytest
