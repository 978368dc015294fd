// zerb32-cli naming its outputs: --output-dir, --parents, --name and
// --site FILE on real logs.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tools/LogWriter.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(BuildPath("cli/zerb32-cli"), args); }

// A log of two rows an hour apart, the last at `pcTime`.
void DatedLog(const std::string& path, uint32_t pcTime) {
  LogSource source;
  source.pcTime = pcTime;
  source.interval = 3600;
  source.sensorSlotsA = {8};
  source.rows = {{500}, {501}};
  ASSERT_TRUE(WriteLogFile(path, MakeLogImage(source)));
}

TEST(OutputNamesProcess, DatedDownloadsEachGetTheirOwnFile) {
  TempDir folder;
  DatedLog(folder.File("42.20261130.log"), 1796040000);  // 2026-11-30 12:00
  DatedLog(folder.File("42.20261201.log"), 1796126400);  // 2026-12-01 12:00
  const std::vector<std::string> logs = {folder.File("42.20261130.log"), folder.File("42.20261201.log")};
  const auto clash = Cli(logs);
  EXPECT_EQ(clash.exitCode, 1);
  EXPECT_NE(clash.err.find("is also the output of"), std::string::npos) << clash.err;

  const std::string out = folder.File("csv/site");
  std::vector<std::string> named = {"--output-dir", out, "--parents", "--name", "{site}-{first:%Y%m%d-%H%M}"};
  named.insert(named.end(), logs.begin(), logs.end());
  const auto run = Cli(named);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, out + "/42-20261130-1100.CSV\n" + out + "/42-20261201-1100.CSV\n");

  // A pattern that gives both the same name: the plan refuses the later.
  const auto same = Cli({"--output-dir", out, "--name", "{site}-{first:%Y}", logs[0], logs[1]});
  EXPECT_EQ(same.exitCode, 1);
  EXPECT_EQ(same.out, out + "/42-2026.CSV\n");
  EXPECT_NE(same.err.find(logs[1] + ": refused: its output " + out + "/42-2026.CSV is also the output of"),
            std::string::npos)
      << same.err;
}

TEST(OutputNamesProcess, UsageErrorsAndTheSiteFileGiven) {
  TempDir folder;
  fs::copy_file(SourcePath("samples/42.log"), folder.File("renamed.log"));
  fs::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
  const std::string log = folder.File("renamed.log");
  const struct {
    std::vector<std::string> args;
    const char* err;
  } usage[] = {
      {{"--output-dir", folder.File("none")}, "does not exist (--parents makes it)"},
      {{"--output-dir", log}, "is not a folder"},
      {{"--parents"}, "--parents goes with --output-dir"},
      {{"--name", "{date}"}, "not {date}"},
      {{"--name", "x", "-o", "-"}, "--output-dir and --name do not go with it"},
  };
  for (const auto& u : usage) {
    std::vector<std::string> args = u.args;
    args.push_back(log);
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, 2) << u.err;
    EXPECT_NE(run.err.find(u.err), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(folder.File("none")));

  const auto without = Cli({"-o", "-", log});
  const auto with = Cli({"--site", folder.File("42.STE"), "-o", "-", log});
  EXPECT_NE(without.err.find("the file name gives no site number"), std::string::npos);
  EXPECT_EQ(with.err, "");
  EXPECT_EQ(with.out, ReadFile(SourcePath("tests/golden/42-default.CSV")));
}

}  // namespace
}  // namespace zerb::test
