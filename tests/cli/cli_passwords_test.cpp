// Passwords of store addresses, wherever they are given, reach no message
// and leave the process's command line as soon as it starts.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "history/Sqlite.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

std::string CliPath() { return BuildPath("cli/zerb32-cli"); }

class CliPasswords : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
    fs::copy_file(SourcePath("samples/42.log"), folder.File("42.log"));
  }
  TempDir folder;
};

// Every address names a socket folder that does not exist: no connection
// leaves the machine, and each run fails (exit 1, or 2 where the build has
// no PostgreSQL stores).
TEST_F(CliPasswords, NoMessageShowsOne) {
  const std::string db = folder.File("site.db"), log = folder.File("42.log");
  const std::string uri = "postgresql://ann:S3cret@/db?host=/nonexistent-zerb&sslpassword=K3yPass";
  const std::string pairs = "host=/nonexistent-zerb password='S3cret' sslpassword=K3yPass";
  const std::vector<std::string> rows[] = {
      {"import", "--db", db, "postgresql://u:S3cret@h/db"},  // an address where a log belongs
      {"import", "--db", db, log, "postgresql://u:S3%63ret@h/db?sslpassword=K3yPass"},
      {"postgresql://u:S3cret@h/db"},  // the same for a conversion
      {"-s", "postgresql://u:S3cret@h/db", log},
      {"history", "--db", uri},
      {"history", "--db=" + pairs},
      {"import", "--db", "keepalives=1 host=/nonexistent-zerb password=S3cret", log},
      {"export", "--db", pairs, "--site", "42", "-o", "host=/x password=S3cret"},
  };
  for (const auto& args : rows) {
    const ProcessResult run = RunProcess(CliPath(), args, 20);
    SCOPED_TRACE(args.back());
    EXPECT_NE(run.exitCode, 0);
    for (const char* secret : {"S3cret", "S3%63ret", "K3yPass"}) {
      EXPECT_EQ(run.err.find(secret), std::string::npos) << run.err;
      EXPECT_EQ(run.out.find(secret), std::string::npos) << run.out;
    }
  }
}

std::string CommandLineOf(pid_t pid) {
  std::string text = ReadFile("/proc/" + std::to_string(pid) + "/cmdline");
  for (char& c : text)
    if (c == '\0') c = ' ';
  return text;
}

// The import waits for a store another connection holds locked; meanwhile
// its command line, as ps reads it, holds no password.
TEST_F(CliPasswords, CommandLineIsScrubbedWhileItRuns) {
  const std::string db = folder.File("site.db");
  ASSERT_EQ(RunProcess(CliPath(), {"import", "--db", db, folder.File("42.log")}).exitCode, 0);
  SqliteDb holder(db, SQLITE_OPEN_READWRITE);
  holder.Execute("BEGIN EXCLUSIVE");
  fs::copy_file(folder.File("42.log"), folder.File("42_b.log"));
  BackgroundProcess import(CliPath(), {"import", "--db", db, folder.File("42_b.log"),
                                       "postgresql://ann:S3cret@h/db?password=Other5ecret&sslpassword=K3yPass"});
  // Until the child has run the program it shows the test's own command
  // line, and until main has run its first lines the password.
  std::string shown;
  for (int wait = 0; wait < 200; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    shown = CommandLineOf(import.Pid());
    if (shown.find("postgresql://ann:") != std::string::npos && shown.find("S3cret") == std::string::npos) break;
  }
  EXPECT_NE(shown.find("postgresql://ann:"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("S3cret"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("Other5ecret"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("K3yPass"), std::string::npos) << shown;
  EXPECT_EQ(kill(import.Pid(), 0), 0) << "the import no longer waits for the store";
  holder.Execute("ROLLBACK");
  ProcessResult result;
  ASSERT_TRUE(import.EndsWithin(60, result));
}

}  // namespace
}  // namespace zerb::test
