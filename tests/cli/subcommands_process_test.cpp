// zerb32-cli's commands as a new user finds them: listed in --help, their
// own help, and the options given before a command's name.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(BuildPath("cli/zerb32-cli"), args); }

TEST(Subcommands, HelpListsThemAndEachHasItsOwn) {
  const auto help = Cli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  const std::size_t list = help.out.find("\nSubcommands:\n");
  ASSERT_NE(list, std::string::npos) << help.out;
  for (const char* command : {"merge", "import", "export", "history", "help"})
    EXPECT_NE(help.out.find(std::string("\n  ") + command + " ", list), std::string::npos) << command;
  EXPECT_EQ(Cli({"help"}).out, help.out);

  const struct {
    std::vector<std::string> args;
    const char* usage;  // the line the help starts its usage with
  } asked[] = {
      {{"help", "merge"}, "Usage: zerb32-cli merge [OPTIONS] LOG..."},
      {{"import", "--help"}, "Usage: zerb32-cli import [OPTIONS] LOG..."},
      {{"help", "export"}, "Usage: zerb32-cli export [OPTIONS]"},
      {{"history", "-h"}, "Usage: zerb32-cli history [OPTIONS]"},
  };
  for (const auto& a : asked) {
    const auto run = Cli(a.args);
    EXPECT_EQ(run.exitCode, 0) << a.args[0] << " " << a.args[1];
    EXPECT_NE(run.out.find(a.usage), std::string::npos) << run.out;
  }
  const auto unknown = Cli({"help", "watchdog"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("no command 'watchdog'; the commands are merge, import, export, history"),
            std::string::npos)
      << unknown.err;
}

TEST(Subcommands, OptionsBeforeTheNameAreTheCommandsOrRefused) {
  TempDir folder;
  fs::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
  fs::copy_file(SourcePath("samples/42.log"), folder.File("42.log"));
  const std::string log = folder.File("42.log"), merged = folder.File("m.csv");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    const char* out;  // "PATH": the merged output's path; null: anything
    const char* err;  // a part of standard error; null: anything
  } cases[] = {
      {{"-v", "merge", log, "-o", merged}, 0, "PATH", nullptr},
      {{"-o", merged, "merge", log}, 0, "PATH", nullptr},
      {{"-q", "-l", "merge", log, "-o", merged}, 0, "", nullptr},
      {{"--info", "merge", log, "-o", merged}, 2, "", "zerb32-cli: merge has no option --info (given before merge)"},
      {{"-j", "2", "merge", log, "-o", merged}, 2, "", "merge writes every row of the series once as CSV: -j"},
      {{"-x", "history", "--db", folder.File("s.db")}, 2, "", "history has no option -x"},
      // The value of a converter option is no command: a log named by -e.
      {{"-e", "merge", "-o", "-", log}, 0, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    const auto run = Cli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args[0] << ": " << run.err;
    if (c.out) {
      EXPECT_EQ(run.out, c.out == std::string("PATH") ? merged + "\n" : c.out) << c.args[0];
    }
    if (c.err) {
      EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
  }
}

}  // namespace
}  // namespace zerb::test
