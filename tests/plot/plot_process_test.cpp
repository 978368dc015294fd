// zerb32-plot as a process: the same bytes under any machine zone and
// locale, several logs merged as one, the zone chosen for the texts, and
// the exit codes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "series/CivilTime.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tools/LogWriter.h"

namespace zerb::test {
namespace {

// The program under a machine zone and locale of the test's choosing.
ProcessResult Plot(const std::vector<std::string>& environment, std::vector<std::string> args) {
  args.insert(args.begin(), environment.begin(), environment.end());
  args.insert(args.begin() + long(environment.size()), BuildPath("plot/zerb32-plot"));
  return RunProcess("/usr/bin/env", args);
}

// Rows [first, last] of one series of two sensors and an output, every
// 600 s up to 2026-03-30T06:00 civil (the last row), so that pieces of it
// overlap on one grid.
void WritePiece(const std::string& path, int first, int last) {
  LogSource source;
  source.interval = 600;
  source.sensorSlotsA = {1, 2};
  source.outputSlotsA = {9};
  source.pcTime = uint32_t(*ParseCivilTime("2026-03-30T06:00", false)) - uint32_t(600 * (400 - last));
  for (int r = first; r <= last; ++r)
    source.rows.push_back({static_cast<int16_t>(300 + r % 50), static_cast<int16_t>(500 - r % 30),
                           static_cast<int16_t>(r / 9 % 2)});
  ASSERT_TRUE(WriteLogFile(path, MakeLogImage(source)));
}

class PlotProcess : public ::testing::Test {
 protected:
  void SetUp() override { WritePiece(dir.File("42.log"), 0, 400); }
  TempDir dir;
};

TEST_F(PlotProcess, SameBytesUnderAnyZoneAndLocale) {
  for (const char* name : {"p.svg", "p.png"}) {
    SCOPED_TRACE(name);
    std::string first;
    for (const std::vector<std::string>& environment :
         {std::vector<std::string>{"TZ=Europe/Berlin", "LC_ALL=de_DE.UTF-8"},
          std::vector<std::string>{"TZ=America/New_York", "LC_ALL=C"}}) {
      const ProcessResult run = Plot(environment, {dir.File("42.log"), "-o", dir.File(name), "--width", "900"});
      EXPECT_EQ(run.exitCode, 0) << run.err;
      EXPECT_EQ(run.out, "");
      const std::string bytes = ReadFile(dir.File(name));
      ASSERT_GT(bytes.size(), 1000u);
      if (first.empty()) first = bytes;
      EXPECT_TRUE(bytes == first);
    }
  }
}

// Overlapping pieces of a series draw what the whole series draws.
TEST_F(PlotProcess, PiecesMergedAsOne) {
  std::filesystem::create_directory(dir.File("pieces"));
  WritePiece(dir.File("pieces/42a.log"), 0, 250);
  WritePiece(dir.File("pieces/42b.log"), 180, 400);
  const std::vector<std::string> machine = {"TZ=UTC"};
  const ProcessResult whole = Plot(machine, {dir.File("42.log"), "-o", dir.File("whole.svg")});
  const ProcessResult merged =
      Plot(machine, {dir.File("pieces/42b.log"), dir.File("pieces/42a.log"), "-o", dir.File("merged.svg")});
  EXPECT_EQ(whole.exitCode, 0) << whole.err;
  EXPECT_EQ(merged.exitCode, 0) << merged.err;
  EXPECT_TRUE(ReadFile(dir.File("merged.svg")) == ReadFile(dir.File("whole.svg")));
}

// 2026-03-29 in a Berlin clock: 02:00 to 02:59 never shows.
TEST_F(PlotProcess, TheChosenZoneNamesTheTimes) {
  std::string inCivil, inBerlin;
  for (std::string* drawn : {&inCivil, &inBerlin}) {
    std::vector<std::string> args = {dir.File("42.log"), "-o", dir.File("p.svg"), "--from", "2026-03-29T00:00",
                                     "--to", "2026-03-29T06:00", "--width", "1400"};
    if (drawn == &inBerlin) args.insert(args.end(), {"--tz", "Europe/Berlin"});
    ASSERT_EQ(Plot({}, args).exitCode, 0);
    *drawn = ReadFile(dir.File("p.svg"));
  }
  EXPECT_NE(inCivil.find(">02:00<"), std::string::npos);
  EXPECT_EQ(inBerlin.find(">02:00<"), std::string::npos);
  EXPECT_NE(inBerlin.find(">03:00<"), std::string::npos);
  EXPECT_NE(inBerlin.find(">01:00<"), std::string::npos);
}

TEST_F(PlotProcess, ExitCodes) {
  WritePiece(dir.File("7.log"), 0, 50);
  const std::string log = dir.File("42.log"), out = dir.File("out.svg");
  const struct {
    std::vector<std::string> args;
    int code;
    const char* says;
  } rows[] = {
      {{log}, 2, "--output is required"},
      {{log, "-o", dir.File("out.jpg")}, 2, "must end in .svg or .png"},
      {{log, "-o", out, "--from", "2026-13-01"}, 2, "--from takes YYYY-MM-DD[THH:MM[:SS]]"},
      {{log, "-o", out, "--from", "2026-03-02", "--to", "2026-03-01"}, 2, "--from is after --to"},
      {{log, "-o", out, "--tz", "Mars/Olympus_Mons"}, 2, "Mars/Olympus_Mons"},
      {{log, "-o", out, "--width", "10"}, 2, "--width"},
      {{dir.File("missing.log"), "-o", out}, 1, "missing.log"},
      {{log, "-o", out, "--channels", "S0/2,Nowhere"}, 1, "no channel 'Nowhere'"},
      {{log, dir.File("7.log"), "-o", out}, 1, "different sites"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.says);
    const ProcessResult run = Plot({}, row.args);
    EXPECT_EQ(run.exitCode, row.code);
    EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  const ProcessResult help = Plot({}, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--channels"), std::string::npos);
}

// Every example of the manual page, run on the sample log in its folder.
TEST(PlotManual, ExamplesDrawTheSample) {
  TempDir dir;
  for (const char* name : {"42.log", "42.STE"})
    std::filesystem::copy_file(SourcePath("samples/") + name, dir.File(name));
  std::ifstream manual(SourcePath("packaging/man/zerb32-plot.h2m"));
  int examples = 0;
  for (std::string line; std::getline(manual, line);) {
    if (line.rfind(".B zerb32-plot ", 0) != 0) continue;
    ++examples;
    const std::string command = std::regex_replace(line.substr(3), std::regex(R"(\\-)"), "-");
    SCOPED_TRACE(command);
    std::smatch output;
    ASSERT_TRUE(std::regex_search(command, output, std::regex(R"(-o (\S+))")));
    const ProcessResult run = RunProcess(
        "/bin/sh", {"-c", "cd \"$0\" && PATH=\"$1:$PATH\" && " + command, dir.Path(), BuildPath("plot")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_GT(std::filesystem::file_size(dir.File(output[1])), 1000u);
  }
  EXPECT_EQ(examples, 3);
}

}  // namespace
}  // namespace zerb::test
