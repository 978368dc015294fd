// A program whose zone plugin is missing, or is a library of something
// else, refuses a zone name with the reason; times without a zone still
// convert.

#include <gtest/gtest.h>

#include <unwind.h>

#include <filesystem>

#include "support/Process.h"
#include "support/TempDir.h"
#include "system/SharedLibrary.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

namespace fs = std::filesystem;

TEST(ZonePlugin, AProgramWithoutAUsablePluginSaysWhy) {
  // Another library where the plugin belongs: the unwinder the C++ runtime
  // uses, which lacks the plugin's functions.
  const std::string other = SharedLibrary::FileHolding(reinterpret_cast<const void*>(&_Unwind_Backtrace));
  ASSERT_FALSE(other.empty());
  const struct {
    const char* why;
    std::string plugin;  // copied in as the plugin, "" for none
    const char* said;
  } rows[] = {
      {"no plugin", "", "time zones are not available: "},
      {"another library", other, "libzerb32-zones.so is of another version"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    test::TempDir dir;
    LogSource source;
    source.sensorSlotsA = {0};
    source.rows = {{512}, {512}};
    ASSERT_TRUE(WriteLogFile(dir.File("7.log"), MakeLogImage(source)));
    const std::vector<std::string> zone = {"--style", "pandas", "--tz", "Europe/Berlin", "-o", "-", dir.File("7.log")};
    if (test::RunProcess(test::BuildPath("cli/zerb32-cli"), zone).exitCode != 0) GTEST_SKIP() << "a build without zones";
    fs::create_directories(dir.File("bin"));
    const std::string cli = dir.File("bin/zerb32-cli");
    fs::copy_file(test::BuildPath("cli/zerb32-cli"), cli);
    if (!row.plugin.empty()) {
      fs::create_directories(dir.File("lib/zerb32"));
      fs::copy_file(row.plugin, dir.File("lib/zerb32/libzerb32-zones.so"));
    }
    const auto zoned = test::RunProcess(cli, zone);
    EXPECT_NE(zoned.exitCode, 0);
    EXPECT_NE(zoned.err.find(row.said), std::string::npos) << zoned.err;
    EXPECT_EQ(zoned.out, "");
    const auto offset = test::RunProcess(cli, {"--style", "pandas", "--utc-offset", "+01:00", "-o", "-", dir.File("7.log")});
    EXPECT_EQ(offset.exitCode, 0) << offset.err;
    EXPECT_NE(offset.out.find("+01:00,"), std::string::npos) << offset.out;
  }
}

}  // namespace
}  // namespace zerb
