// zerb32-cli as a process: where it writes, what it prints, its exit codes,
// and that a failure leaves existing files alone.

#include <filesystem>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(BuildPath("cli/zerb32-cli"), args); }

// A folder holding a copy of the sample site file and log.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
    fs::copy_file(SourcePath("samples/42.log"), folder.File("42.log"));
  }
  std::vector<std::string> FolderEntries() const {
    const auto names = folder.Names();
    return {names.begin(), names.end()};
  }
  TempDir folder;
};

TEST_F(CliTest, WritesBesideTheLogAndPrintsThePath) {
  const auto run = Cli({folder.File("42.log")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, folder.File("42.CSV") + "\n");
  EXPECT_EQ(run.err, "");
  const std::string csv = ReadFile(folder.File("42.CSV"));
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
            "\"DATE\",\"TIME\",\"Outside\",\"Duct Press\",\"Office\",\"Humidity\",\"SENSOR3/3\",\"Heating\","
            "\"Valve/LTHW\",\"Setpoint\",\r\n");
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"42.CSV", "42.STE", "42.log"}));

  // Standard output gets the very same bytes, and no path is printed.
  const auto piped = Cli({"-o", "-", folder.File("42.log")});
  EXPECT_EQ(piped.exitCode, 0);
  EXPECT_EQ(piped.out, csv);
}

TEST_F(CliTest, OptionsChooseFormatAndExtension) {
  const auto run = Cli({"-x", "-e", "xml", folder.File("42.log")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, folder.File("42.xml") + "\n");
  EXPECT_EQ(ReadFile(folder.File("42.xml")).rfind("<RootElement>\r\n\t<DataElement>\r\n\t\t<Month>", 0), 0u);

  // Numbers follow the window's syntax: 0x1170 is 4464.
  const auto hex = Cli({"-s", "0x1170", "-o", "-", folder.File("42.log")});
  const auto direct = Cli({"--skip=4464", "-o", "-", folder.File("42.log")});
  EXPECT_EQ(hex.exitCode, 0);
  EXPECT_EQ(hex.out, direct.out);

  // Overlap is read only with --new-only.
  EXPECT_EQ(Cli({"--overlap", "x", "-o", "-", folder.File("42.log")}).exitCode, 0);
  const auto newOnly = Cli({"-n", "--overlap", "1", "--no-headers", "-d", "off", "-o", "-", folder.File("42.log")});
  EXPECT_EQ(newOnly.exitCode, 0);
  EXPECT_EQ(std::count(newOnly.out.begin(), newOnly.out.end(), '\n'), 24 + 1 + 1);
}

TEST_F(CliTest, ReportsEachFailedLogAndGoesOn) {
  const auto run = Cli({folder.File("7.log"), folder.File("42.log")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, folder.File("42.CSV") + "\n");
  EXPECT_EQ(run.err, "zerb32-cli: " + folder.File("7.log") + ": cannot open the log: No such file or directory\n");
}

TEST_F(CliTest, FailureLeavesAnExistingOutputAlone) {
  const std::string log = ReadFile(folder.File("42.log"));
  WriteFile(folder.File("42.log"), log.substr(0, 200));  // cut inside the data area
  WriteFile(folder.File("42.CSV"), "earlier output");
  const auto run = Cli({folder.File("42.log")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("zerb32-cli: " + folder.File("42.log") + ": "), std::string::npos);
  EXPECT_EQ(ReadFile(folder.File("42.CSV")), "earlier output");
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"42.CSV", "42.STE", "42.log"}));
}

TEST_F(CliTest, NeverWritesOverItsInputs) {
  const std::string log = ReadFile(folder.File("42.log")), site = ReadFile(folder.File("42.STE"));
  for (const char* ext : {"log", "STE"}) {
    SCOPED_TRACE(ext);
    const auto run = Cli({"-e", ext, folder.File("42.log")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("zerb32-cli: "), std::string::npos);
  }
  EXPECT_EQ(ReadFile(folder.File("42.log")), log);
  EXPECT_EQ(ReadFile(folder.File("42.STE")), site);
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"42.STE", "42.log"}));
}

TEST_F(CliTest, AFullDiskIsAFailure) {
  const auto run = Cli({"-o", "/dev/full", folder.File("42.log")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "zerb32-cli: " + folder.File("42.log") + ": cannot write /dev/full: No space left on device\n");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"-d", "sometimes", "42.log"},
      {"-o", "x.csv", "1.log", "2.log"},
      {"--no-such-option", "42.log"},
      {"-s", "abc", "42.log"},
      {"-n", "--overlap", "1.5", "42.log"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.empty() ? "(none)" : args[0] + " " + args[1]);
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
  EXPECT_EQ(Cli({"-s", "abc", "42.log"}).err, "zerb32-cli: 'abc' is not a valid integer value\n");
}

TEST_F(CliTest, HelpVersionAndInfo) {
  const auto version = Cli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.substr(0, version.out.find('\n') + 1), "zerb32-cli 1.2.2.0\n");
  const auto help = Cli({"-h"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--new-only"), std::string::npos);

  const auto info = Cli({"--info", folder.File("42.log")});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  for (const char* expected : {"Site: Riverside Offices, number 42", "Log: Riverside Offices - 2 day log",
                               "SENSOR3/3", "\nSENSORS\n", "\nOUTPUTS\n", "\nASMS\n", "\nUNIT PROGAM\n"}) {
    EXPECT_NE(info.out.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"42.STE", "42.log"}));
}

TEST_F(CliTest, InfoSaysWhatDidNotLoad) {
  fs::copy_file(folder.File("42.log"), folder.File("site.log"));
  const auto unnumbered = Cli({"--info", folder.File("site.log")});
  EXPECT_EQ(unnumbered.exitCode, 0) << unnumbered.err;
  EXPECT_EQ(unnumbered.out.rfind("Site: none (the log's file name does not start with a number)\n", 0), 0u);
  EXPECT_NE(unnumbered.out.find("SENSOR1/1"), std::string::npos);  // no site: default devices

  WriteFile(folder.File("42.log"), ReadFile(folder.File("42.log")).substr(0, 100));
  const auto cut = Cli({"--info", folder.File("42.log")});
  EXPECT_EQ(cut.exitCode, 1);
  EXPECT_NE(cut.out.find("Log: not loaded: "), std::string::npos);
  EXPECT_NE(cut.err.find("zerb32-cli: " + folder.File("42.log") + ": "), std::string::npos);
}

}  // namespace
}  // namespace zerb::test
