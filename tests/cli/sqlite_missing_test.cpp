// zerb32-cli where SQLite cannot be loaded (a damaged libsqlite3.so.0 found
// first on the library path): the store commands fail as for a store that
// cannot be opened, with the loader's reason, and make no store; a
// conversion, which never needs SQLite, still works.

#include <filesystem>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

TEST(SqliteMissing, StoreCommandsFailClearlyAndConversionsWork) {
  TempDir folder;
  fs::create_directory(folder.File("lib"));
  WriteFile(folder.File("lib/libsqlite3.so.0"), "not a library\n");
  fs::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
  fs::copy_file(SourcePath("samples/42.log"), folder.File("42.log"));
  const std::string db = folder.File("site.db");
  const std::string program = BuildPath("cli/zerb32-cli");
  auto withoutSqlite = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"LD_LIBRARY_PATH=" + folder.File("lib"), program});
    return RunProcess("/usr/bin/env", args);
  };
  auto expectRefused = [&](const ProcessResult& run) {
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("zerb32-cli: " + db + ": the SQLite library libsqlite3.so.0 cannot be loaded: "),
              std::string::npos)
        << run.err;
  };

  expectRefused(withoutSqlite({"import", "--db", db, folder.File("42.log")}));
  EXPECT_FALSE(fs::exists(db));
  ASSERT_EQ(RunProcess(program, {"import", "--db", db, folder.File("42.log")}).exitCode, 0);
  expectRefused(withoutSqlite({"history", "--db", db}));

  const auto converted = withoutSqlite({folder.File("42.log")});
  EXPECT_EQ(converted.exitCode, 0) << converted.err;
  EXPECT_TRUE(fs::exists(folder.File("42.CSV")));
}

}  // namespace
}  // namespace zerb::test
