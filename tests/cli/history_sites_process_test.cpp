// The history commands as processes on what a log's site file and file
// name say: a download without its site file, site numbers past 16 bits, a
// log whose rows share one time, and time-zone instants that never depend
// on the range an export asks for.

#include <filesystem>

#include <gtest/gtest.h>

#include "history/history_support.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::historytest {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

test::ProcessResult Cli(const std::vector<std::string>& args) {
  return test::RunProcess(test::BuildPath("cli/zerb32-cli"), args);
}

class HistorySites : public ::testing::Test {
 protected:
  std::string Log(const std::string& dir, const std::string& name, const std::vector<uint8_t>& image, int siteFile) {
    fs::create_directories(folder.File(dir));
    if (siteFile > 0) WriteSiteFile(folder.File(dir + "/" + name.substr(0, name.find_first_of("_.")) + ".STE"), siteFile);
    const std::string path = folder.File(dir + "/" + name);
    EXPECT_TRUE(WriteLogFile(path, image));
    return path;
  }
  std::vector<std::vector<int16_t>> series = LongSeries(300, 9);
  TempDir folder;
};

// The newer download lacks 42.STE: merge decodes it with the older log's
// site file and says so; alone it is refused unless --allow-default-site.
TEST_F(HistorySites, MergeDecodesALogWithoutItsSiteFileWithAnotherLogs) {
  const std::string old = Log("site", "42_old.log", CutLog(series, 0, 120, true), 1);
  const std::string bare = Log("bare", "42_new.log", CutLog(series, 100, 220, true), 0);
  const std::string both = Log("ref", "42_new.log", CutLog(series, 100, 220, true), 1);
  const auto expected = Cli({"merge", old, both, "-o", "-"});
  ASSERT_EQ(expected.exitCode, 0) << expected.err;
  for (const auto& order : {std::vector<std::string>{old, bare}, std::vector<std::string>{bare, old}}) {
    const auto run = Cli({"merge", order[0], order[1], "-o", "-"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, "zerb32-cli: " + bare + ": site file " + folder.File("bare/42.STE") +
                           " is missing or incomplete; decoded with the complete site description of " + old +
                           " (among the merged logs)\n");
  }
  const struct {
    std::vector<std::string> extra;
    int exitCode;
    const char* message;
  } alone[] = {{{}, 1, "no complete description of site 42 is known (among the merged logs); --allow-default-site"},
               {{"--allow-default-site"}, 0, "channels take default names and types (sensors read as TS4-C)"}};
  for (const auto& c : alone) {
    std::vector<std::string> args = {"merge", bare, "-o", "-"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST_F(HistorySites, SitesPast16BitsAreTheirOwn) {
  const std::string a = Log("x", "42.log", CutLog(series, 0, 50, true), 1);
  const std::string b = Log("x", "65578.log", CutLog(series, 10, 60, true), 1);
  const auto merged = Cli({"merge", a, b, "-o", "-"});
  EXPECT_EQ(merged.exitCode, 1);
  EXPECT_NE(merged.err.find("different sites"), std::string::npos) << merged.err;
  const auto imported = Cli({"import", "--db", folder.File("s.db"), a, b});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_NE(imported.out.find("(site 65578, "), std::string::npos) << imported.out;
  const auto history = Cli({"history", "--db", folder.File("s.db"), "--site", "65578"});
  EXPECT_EQ(history.exitCode, 0) << history.err;
  EXPECT_NE(history.out.find("Site 65578: Riverside\n  Logs: 1, readings: 255, conflicts: 0\n"), std::string::npos)
      << history.out;
}

// Merge and import say the same one line and go on with the next log.
TEST_F(HistorySites, ALogWhoseRowsShareOneTimeIsOneLineAndTheRestGoesOn) {
  const std::string zero = Log("x", "42_zero.log", ClockLog(series, 1796000000, 0, 12), 1);
  const std::string good = Log("x", "42_good.log", ClockLog(series, 1796000000, 300, 12), 1);
  const std::string line = "zerb32-cli: " + zero + ": its interval is 0 s, so its 12 rows share one time, and a series "
                                                   "holds one row per time";
  const auto merged = Cli({"merge", zero, good, "-o", folder.File("m.csv")});
  EXPECT_EQ(merged.exitCode, 1);
  EXPECT_EQ(merged.err, line + "\n");
  const auto imported = Cli({"import", "--db", folder.File("s.db"), zero, good});
  EXPECT_EQ(imported.exitCode, 1);
  EXPECT_EQ(imported.err, line + "; nothing of it was stored\n");
  EXPECT_EQ(imported.out, "imported " + good + " (site 42, 48 readings)\n");
}

// One log ends in winter, the other in summer: a ranged export places the
// winter log's rows where the full export does (each log's rows by its own
// newest row), and a single log's export is its conversion.
TEST_F(HistorySites, ExportInstantsDoNotDependOnTheRange) {
  const std::string winter = Log("x", "42_w.log", ClockLog(series, 1805500800, 3600, 60), 1);
  const std::string summer = Log("x", "42_s.log", ClockLog(series, 1806883200, 3600, 60), 1);
  const std::string db = folder.File("s.db");
  ASSERT_EQ(Cli({"import", "--db", db, winter, summer}).exitCode, 0);
  const std::vector<std::string> zone = {"--style", "pandas", "--tz", "Europe/Berlin", "--utc", "-o", "-"};
  auto exportOf = [&](std::vector<std::string> range) {
    std::vector<std::string> args = {"export", "--db", db, "--site", "42"};
    args.insert(args.end(), range.begin(), range.end());
    args.insert(args.end(), zone.begin(), zone.end());
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
  };
  const std::string full = exportOf({}), ranged = exportOf({"--to", "2027-03-25"});
  std::vector<std::string> convert = zone;
  convert.push_back(winter);
  const std::string own = Cli(convert).out;
  ASSERT_GT(own.size(), own.find('\n') + 1);
  const std::string rows = own.substr(own.find('\n') + 1);
  EXPECT_EQ(ranged, own);
  EXPECT_NE(full.find(rows), std::string::npos) << full;
}

// Valve turns from VARIABLE to ON/OFF and Set pt is rescaled in the newer
// site file: wide styles give each meaning a column named with its span,
// the long style each reading its own description, history the changes.
TEST_F(HistorySites, AChangedMeaningIsShownWhereverTheSeriesGoes) {
  const std::string db = folder.File("s.db");
  const std::string old = Log("v1", "42_a.log", CutLog(series, 0, 20, true), 1);
  const std::string changed = Log("v3", "42_b.log", CutLog(series, 15, 40, true), 3);
  ASSERT_EQ(Cli({"import", "--db", db, old, changed}).exitCode, 0);
  const auto wide = Cli({"export", "--db", db, "--site", "42", "--style", "pandas", "-o", "-"});
  EXPECT_EQ(wide.out.substr(0, wide.out.find('\n')),
            "Time,Temp room [°C],Count,Added [°C],Valve (2026-11-30T00:53:20 to 2026-11-30T02:33:20) [%],"
            "Valve (2026-11-30T02:08:20 to 2026-11-30T04:13:20) [%],"
            "Set pt (2026-11-30T00:53:20 to 2026-11-30T02:33:20),Set pt (2026-11-30T02:08:20 to 2026-11-30T04:13:20)\r");
  const auto tall = Cli({"export", "--db", db, "--site", "42", "--style", "long", "-o", "-"});
  EXPECT_NE(tall.out.find("2026-11-30T02:03:20,O1/1,Valve (2026-11-30T00:53:20 to 2026-11-30T02:33:20),%,VARIABLE,"),
            std::string::npos)
      << tall.out;
  EXPECT_NE(tall.out.find("2026-11-30T02:08:20,O1/1,Valve (2026-11-30T02:08:20 to 2026-11-30T04:13:20),%,ON/OFF,"),
            std::string::npos);
  const auto history = Cli({"history", "--db", db});
  EXPECT_NE(history.out.find("  Description changes: 6\n"
                             "    sensor 0x0001 from 2026-11-30T00:53:20: Temp (TS4-C, units C, exponent -1)\n"
                             "    sensor 0x0001 from 2026-11-30T02:08:20: Temp room (TS4-C, units C, exponent -1)\n"
                             "    output 0x0008 from 2026-11-30T00:53:20: Valve (VARIABLE, units %, exponent -1)\n"
                             "    output 0x0008 from 2026-11-30T02:08:20: Valve (ON/OFF, units %, exponent -1)\n"),
            std::string::npos)
      << history.out;
}

}  // namespace
}  // namespace zerb::historytest
