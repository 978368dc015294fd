// A time range and a choice of channels on conversion: the rows and
// columns of the whole output that they select, the same bytes otherwise,
// and the usage errors.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(BuildPath("cli/zerb32-cli"), args); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
    std::filesystem::copy_file(SourcePath("samples/42.log"), folder.File("42.log"));
  }
  std::string Convert(std::vector<std::string> args) {
    args.insert(args.end(), {"-o", "-", folder.File("42.log")});
    const ProcessResult run = Cli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
  }
  TempDir folder;
};

// The classic output of a range is the header and the whole output's rows
// in it, byte for byte (the table writer standing in for the classic one).
TEST_F(SelectionTest, ARangeIsTheWholeOutputsRowsInIt) {
  const std::string whole = Convert({});
  const std::string first = "\"28/11/2026\",\"20:10:00\"", last = "\"28/11/2026\",\"20:20:00\"";
  const std::size_t begin = whole.find(first), end = whole.find('\n', whole.find(last)) + 1;
  ASSERT_NE(begin, std::string::npos);
  const std::string range = whole.substr(0, whole.find('\n') + 1) + whole.substr(begin, end - begin);
  EXPECT_EQ(Convert({"--from", "2026-11-28T20:10", "--to", "2026-11-28T20:20"}), range);
  EXPECT_EQ(Convert({"--from", "2026-11-28T20:09:59", "--to", "2026-11-28T20:24:59"}), range);
  const std::string tabbed = Convert({"-t", "-d", "serial"});
  EXPECT_EQ(Convert({"-t", "-d", "serial", "--to", "2026-01-01"}), tabbed.substr(0, tabbed.find('\n') + 1));
  EXPECT_EQ(Convert({"-t", "-d", "serial", "--from", "2000-01-01", "--to", "2026-11-30"}), tabbed);
}

TEST_F(SelectionTest, ChannelsAreTheWholeOutputsColumnsInTheOrderNamed) {
  const std::vector<std::string> whole = Lines(Convert({"--style", "pandas"}));
  const std::vector<std::string> chosen = Lines(Convert({"--style", "pandas", "--channels", "Heating,S1/1"}));
  ASSERT_EQ(chosen.size(), whole.size());
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const std::vector<std::string> all = Fields(whole[i]);
    ASSERT_EQ(Fields(chosen[i]), (std::vector<std::string>{all[0], all[6], all[1]})) << "line " << i;
  }
  const ProcessResult unknown = Cli({"--channels", "Outside,Nowhere", folder.File("42.log")});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.err, "zerb32-cli: " + folder.File("42.log") + ": no channel 'Nowhere' in the log\n");
  EXPECT_FALSE(std::filesystem::exists(folder.File("42.CSV")));
}

TEST(SelectionOptions, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } rows[] = {
      {{"--from", "2026-02-30"}, "--from takes YYYY-MM-DD[THH:MM[:SS]], not '2026-02-30'"},
      {{"--to", "28/11/2026"}, "--to takes YYYY-MM-DD[THH:MM[:SS]], not '28/11/2026'"},
      {{"--from", "2026-11-28T12:00", "--to", "2026-11-28T11:59:59"}, "--from is after --to"},
      {{"-x", "--channels", "S1/1"}, "the XML output holds whole logs"},
      {{"-x", "--from", "2026-11-28"}, "the XML output holds whole logs"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    std::vector<const char*> argv = {"zerb32-cli"};
    for (const std::string& a : row.args) argv.push_back(a.c_str());
    argv.push_back("42.log");
    const auto parsed = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
    const auto* exit = std::get_if<CliExit>(&parsed);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->code, 2);
    EXPECT_NE(exit->err.find(row.message), std::string::npos) << exit->err;
  }
}

}  // namespace
}  // namespace zerb::test
