// zerb32-cli on batches, as a process: site warnings, outputs that would meet,
// number ranges, parallel jobs in argument order, summaries, Ctrl-C.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tools/LogWriter.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

const std::string CliPath = BuildPath("cli/zerb32-cli");
ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(CliPath, args); }

class BatchTest : public ::testing::Test {
 protected:
  std::string At(const std::string& name) const { return folder.File(name); }
  void Sample(const std::string& log, const std::string& site = "") const {
    fs::copy_file(SourcePath("samples/42.log"), At(log));
    if (!site.empty()) fs::copy_file(SourcePath("samples/42.STE"), At(site));
  }
  // A small valid log whose output differs from the sample's.
  static void OtherLog(const std::string& path) {
    LogSource source;
    source.pcTime = 1796040000;
    source.sensorSlotsA = {8};
    source.rows = {{500}, {501}};
    ASSERT_TRUE(WriteLogFile(path, MakeLogImage(source)));
  }
  TempDir folder;
};

TEST_F(BatchTest, WarnsOfEachSiteFileNotReadWholeAndRequireSiteFails) {
  const struct {
    std::string log, site, warning;
  } cases[] = {
      {"5.log", "", "site file " + At("5.STE") + " not found; channels keep default names and types"},
      {"6.log", "6.STE", "site file " + At("6.STE") + " is incomplete or damaged; channels it lacks keep default "
                                                      "names and types"},
      {"site.log", "", "the file name gives no site number; no site file is read"},
      {"+42.log", "42.STE", ""},  // read as "%u" reads it: 42
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log);
    Sample(c.log, c.site);
    if (c.site == "6.STE") WriteFile(At("6.STE"), ReadFile(At("6.STE")).substr(0, 100));
    const std::string output = At(c.log.substr(0, c.log.find('.')) + ".CSV");
    const auto required = Cli({"--require-site", At(c.log)});
    EXPECT_EQ(required.exitCode, c.warning.empty() ? 0 : 1);
    EXPECT_EQ(fs::exists(output), c.warning.empty());
    if (!c.warning.empty()) {
      EXPECT_EQ(required.err, "zerb32-cli: " + At(c.log) + ": " +
                                  c.warning.substr(0, c.warning.find(';')) + "; nothing written (--require-site)\n");
    }
    const auto run = Cli({At(c.log)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, c.warning.empty() ? "" : "zerb32-cli: warning: " + At(c.log) + ": " + c.warning + "\n");
    EXPECT_TRUE(fs::exists(output));
  }
}

TEST_F(BatchTest, ALaterLogWritingAnEarlierOutputIsRefused) {
  Sample("5.log", "5.STE");
  fs::create_directory(At("sub"));
  fs::create_directory_symlink(folder.Path(), At("link"));
  const std::string expected = Cli({"-o", "-", At("5.log")}).out;
  const std::string laters[] = {At("5.old.log"), At("sub/../5.new.log"), At("link/5.x.log")};
  for (const auto& later : laters) {
    SCOPED_TRACE(later);
    OtherLog(later);
    const auto run = Cli({At("5.log"), later});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, At("5.CSV") + "\n");
    const std::string laterOutput = later.substr(0, later.find('.', later.rfind('/'))) + ".CSV";
    EXPECT_EQ(run.err, "zerb32-cli: " + later + ": refused: its output " + laterOutput + " is also the output of " +
                           At("5.log") + "\n");
    EXPECT_EQ(ReadFile(At("5.CSV")), expected);
  }
  // An output that is another log of the call is refused too.
  const std::string log = ReadFile(At("5.log"));
  const auto hit = Cli({"-e", "log", At("5.old.log"), At("5.log")});
  EXPECT_EQ(hit.exitCode, 1);
  EXPECT_NE(hit.err.find("is the log " + At("5.log") + " of this call"), std::string::npos);
  EXPECT_EQ(ReadFile(At("5.log")), log);
}

TEST_F(BatchTest, TheSameLogByAnySpellingConvertsOnce) {
  Sample("42.log", "42.STE");
  fs::create_hard_link(At("42.log"), At("42.hard.log"));
  const auto run = Cli({At("42.log"), folder.Path() + "/./42.log", folder.Path() + "//42.log", At("42.hard.log")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, At("42.CSV") + "\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(BatchTest, NumbersOutsideTheirRangeAreUsageErrors) {
  Sample("42.log", "42.STE");
  const struct {
    std::vector<std::string> args;
    const char* range;  // nullptr: accepted
  } cases[] = {
      {{"-s", "70000"}, "--skip takes 0 to 65535"},     {{"-s", "-1"}, "--skip takes 0 to 65535"},
      {{"-s", "$10000"}, "--skip takes 0 to 65535"},    {{"-s", "0xFFFF"}, nullptr},
      {{"-n", "--overlap", "-1"}, "--overlap takes 0 to 2147483647"},
      {{"-n", "--overlap", "2147483648"}, "--overlap takes 0 to 2147483647"},
      {{"-n", "--overlap", "2147483647"}, nullptr},     {{"-j", "0"}, "--jobs"},
  };
  for (const auto& c : cases) {
    auto args = c.args;
    args.insert(args.end(), {"-o", "-", At("42.log")});
    SCOPED_TRACE(args[0] + " " + args[1]);
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, c.range ? 2 : 0);
    if (c.range) {
      EXPECT_NE(run.err.find(c.range), std::string::npos) << run.err;
    }
  }
}

// A batch with failures mixed in, run in its own folder with `jobs`; the
// folder's path is replaced by "DIR" in what it printed.
ProcessResult RunMixedBatch(const TempDir& dir, const char* jobs) {
  std::vector<std::string> args = {"-j", jobs, "-v"};
  for (int i = 1; i <= 12; ++i) {
    const std::string name = std::to_string(i);
    fs::copy_file(SourcePath("samples/42.log"), dir.File(name + ".log"));
    if (i != 4) fs::copy_file(SourcePath("samples/42.STE"), dir.File(name + ".STE"));
    args.push_back(dir.File(name + ".log"));
    if (i % 5 == 0) args.push_back(dir.File(name + ".old.log"));  // refused
  }
  WriteFile(dir.File("7.log"), "cut");
  args.push_back(dir.File("missing.log"));
  args.push_back(dir.File("3.log"));  // given twice
  auto run = Cli(args);
  for (std::string* text : {&run.out, &run.err})
    for (std::size_t at; (at = text->find(dir.Path())) != std::string::npos;) text->replace(at, dir.Path().size(), "DIR");
  return run;
}

TEST(BatchJobs, TwoJobsGiveWhatOneGivesInTheSameOrder) {
  TempDir one, two;
  const auto serial = RunMixedBatch(one, "1");
  const auto parallel = RunMixedBatch(two, "2");
  EXPECT_EQ(serial.exitCode, 1);
  EXPECT_EQ(parallel.exitCode, 1);
  EXPECT_EQ(std::count(serial.out.begin(), serial.out.end(), '\n'), 11);
  // Summaries, the same log again, a warning and four failures.
  EXPECT_EQ(std::count(serial.err.begin(), serial.err.end(), '\n'), 11 + 1 + 1 + 4);
  EXPECT_EQ(parallel.out, serial.out);
  EXPECT_EQ(parallel.err, serial.err);
  EXPECT_EQ(one.Names(), two.Names());
  for (const auto& name : one.Names()) EXPECT_EQ(ReadFile(one.File(name)), ReadFile(two.File(name))) << name;
}

TEST_F(BatchTest, VerboseSummarisesAndQuietDropsPaths) {
  Sample("42.log", "42.STE");
  const auto run = Cli({"-v", "-q", "-n", "--overlap", "3", "-s", "2", At("42.log")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  const std::string csv = ReadFile(At("42.CSV"));
  const auto rows = std::count(csv.begin(), csv.end(), '\n') - 1;
  EXPECT_EQ(run.err, "zerb32-cli: " + At("42.log") + ": 577 rows read, " + std::to_string(rows) +
                         " written (30/11/2026 09:45:00 to 30/11/2026 12:00:00) into " + At("42.CSV") + "; site " +
                         At("42.STE") + " (Riverside Offices)\n");
}

TEST_F(BatchTest, CtrlCStopsEveryJobAndLeavesNoTemporaryFile) {
  std::vector<std::string> args = {CliPath, "-j", "2"};
  for (int i = 1; i <= 400; ++i) {
    Sample(std::to_string(i) + ".log");
    args.push_back(At(std::to_string(i) + ".log"));
  }
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    freopen("/dev/null", "w", stdout), freopen("/dev/null", "w", stderr);
    execv(CliPath.c_str(), argv.data());
    _exit(127);
  }
  while (!fs::exists(At("2.CSV"))) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  kill(pid, SIGINT);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (const auto& name : folder.Names()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
  EXPECT_FALSE(fs::exists(At("400.CSV")));
}

TEST(BatchHelp, FitsEightyColumnsInTheWindowsGroupsAndNamesTheLicence) {
  const auto help = Cli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  std::size_t lineStart = 0, lastGroup = 0;
  for (std::size_t end; (end = help.out.find('\n', lineStart)) != std::string::npos; lineStart = end + 1)
    EXPECT_LE(end - lineStart, 80u) << help.out.substr(lineStart, end - lineStart);
  for (const char* group : {"\nOutput file:\n", "\nRows:\n", "\nColumns:\n", "\nBatch:\n"}) {
    const auto at = help.out.find(group);
    EXPECT_GT(at, lastGroup) << group;
    lastGroup = at == std::string::npos ? lastGroup : at;
  }
  EXPECT_EQ(Cli({"--version"}).out,
            "zerb32-cli 1.2.2.0\nLicence: GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>\n");
}

}  // namespace
}  // namespace zerb::test
