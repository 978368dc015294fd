// zerb32-cli against strange files and signals: it never writes over a file
// it was not asked to write, never waits on a pipe planted under an input's
// name, and a signal ends it at once leaving no partial output or stray file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

namespace fs = std::filesystem;

const double TimeLimit = 10;  // seconds; every run here ends in well under one

std::string CliPath() { return BuildPath("cli/zerb32-cli"); }
ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(CliPath(), args, TimeLimit); }

class CliSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(SourcePath("samples/42.STE"), folder.File("42.STE"));
    fs::copy_file(SourcePath("samples/42.log"), folder.File("42.log"));
    csv = Cli({"-o", "-", folder.File("42.log")}).out;
    ASSERT_GT(csv.size(), 4096u);
  }
  std::string csv;
  TempDir folder;
};

TEST_F(CliSafety, NeverWritesOverAnotherLogOrSiteFile) {
  struct Row {
    std::vector<std::string> args;
    const char* guarded;  // an existing file that must stay as it was
  };
  fs::copy_file(folder.File("42.log"), folder.File("42.old.log"));
  WriteFile(folder.File("7.LOG"), "another log");
  WriteFile(folder.File("9.Ste"), "another site");
  fs::create_symlink("9.Ste", folder.File("link.csv"));
  const Row rows[] = {
      {{"-e", "log", folder.File("42.old.log")}, "42.log"},  // the output name is cut at the first "."
      {{"-o", folder.File("7.LOG"), folder.File("42.log")}, "7.LOG"},
      {{"-o", folder.File("link.csv"), folder.File("42.log")}, "9.Ste"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.guarded);
    const std::string before = ReadFile(folder.File(row.guarded));
    const auto run = Cli(row.args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("is an existing log or site file"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(folder.File(row.guarded)), before);
  }
  EXPECT_TRUE(fs::is_symlink(folder.File("link.csv")));
}

TEST_F(CliSafety, StandardOutputByAnyName) {
  for (const char* name : {"-", "/dev/stdout", "/dev/fd/1"}) {
    const auto run = Cli({"-o", name, folder.File("42.log")});
    EXPECT_EQ(run.exitCode, 0) << name << run.err;
    EXPECT_EQ(run.out, csv) << name;  // and no path after it
  }
  // A redirected standard output named as the output: written once, through it.
  const auto redirected = RunProcess("/bin/sh", {"-c", "exec \"$0\" -o \"$1\" \"$2\" > \"$1\"", CliPath(),
                                                 folder.File("out.csv"), folder.File("42.log")});
  EXPECT_EQ(redirected.exitCode, 0) << redirected.err;
  EXPECT_EQ(ReadFile(folder.File("out.csv")), csv);

}

// Pipes and folders as inputs or output are refused at once, each with its
// reason; none of them can hold the program (the time limit guards it).
TEST_F(CliSafety, PipesAndFoldersAreRefusedWithoutWaiting) {
  struct Row {
    const char* fifo;    // made as a pipe (or null)
    const char* folder;  // made as a folder (or null)
    std::vector<std::string> args;
    int exitCode;
    std::string reason;
  };
  fs::copy_file(folder.File("42.log"), folder.File("5.log"));
  const Row rows[] = {
      {"3.log", nullptr, {"3.log"}, 1, "cannot open the log: it is a pipe"},
      {"5.STE", nullptr, {"5.log"}, 0, "cannot open the site file " + folder.File("5.STE") + ": it is a pipe"},
      {nullptr, "4.log", {"4.log"}, 1, "cannot open the log: it is a folder"},
      {"out.csv", nullptr, {"-o", "out.csv", "42.log"}, 1, "it is a pipe that no program reads"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.reason);
    if (row.fifo) {
      ASSERT_EQ(mkfifo(folder.File(row.fifo).c_str(), 0644), 0);
    }
    if (row.folder) fs::create_directory(folder.File(row.folder));
    std::vector<std::string> args;
    for (const auto& arg : row.args) args.push_back(arg[0] == '-' ? arg : folder.File(arg));
    const auto run = Cli(args);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
  }
}

// SIGINT, SIGTERM and SIGHUP end the program at once, even while a write
// waits on a full pipe; killed at any moment, even by SIGKILL, it leaves
// every output either as it was or complete, and no other file.
TEST_F(CliSafety, SignalsEndItAtOnceLeavingNoPartialFile) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    fcntl(pipeEnds[1], F_SETPIPE_SZ, 4096);  // the output fills it; nobody reads
    BackgroundProcess stuck(CliPath(), {"-o", "-", folder.File("42.log")}, pipeEnds[1]);
    close(pipeEnds[1]);
    ProcessResult ended;
    EXPECT_FALSE(stuck.EndsWithin(0.5, ended));
    stuck.Signal(signal);
    ASSERT_TRUE(stuck.EndsWithin(TimeLimit, ended));
    EXPECT_EQ(ended.signal, signal);
    close(pipeEnds[0]);
  }
  std::vector<std::string> logs;
  for (int n = 100; n < 400; ++n) {
    logs.push_back(folder.File(std::to_string(n) + ".log"));
    fs::copy_file(folder.File("42.log"), logs.back());
    WriteFile(folder.File(std::to_string(n) + ".CSV"), "old");
  }
  const std::string done = Cli({"-o", "-", logs.front()}).out;  // no site file
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
    SCOPED_TRACE(signal);
    const auto names = folder.Names();
    BackgroundProcess batch(CliPath(), logs);
    usleep(20000 + 20000 * static_cast<useconds_t>(signal % 5));
    batch.Signal(signal);
    ProcessResult ended;
    ASSERT_TRUE(batch.EndsWithin(TimeLimit, ended));
    EXPECT_TRUE(ended.signal == signal || ended.exitCode == 0);
    // SIGKILL can't be handled: a job may be caught between naming its
    // finished file and renaming it over the output, which leaves that name
    // on a whole output.
    auto left = folder.Names();
    if (signal == SIGKILL) {
      std::erase_if(left, [&](const std::string& name) {
        if (!name.starts_with(".zerb")) return false;
        EXPECT_EQ(ReadFile(folder.File(name)), done);
        return fs::remove(folder.File(name));
      });
    }
    EXPECT_EQ(left, names);
    for (int n = 100; n < 400; ++n) {
      const std::string out = ReadFile(folder.File(std::to_string(n) + ".CSV"));
      ASSERT_TRUE(out == "old" || out == done) << n << ": " << out.size() << " bytes";
    }
  }
}

TEST_F(CliSafety, FileSizeLimitIsAWriteError) {
  const auto names = folder.Names();
  const auto run = RunProcess("/bin/sh", {"-c", "ulimit -f 8 && exec \"$0\" \"$1\"", CliPath(), folder.File("42.log")},
                              TimeLimit);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
  EXPECT_EQ(folder.Names(), names);
}

// The rules a plain open would apply to an unprivileged user.
TEST_F(CliSafety, PermissionsOfOutputsAndFolders) {
  std::vector<std::string> asUser;  // runs the program as an unprivileged user when the test is root
  if (geteuid() == 0) {
    if (access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "running as root without setpriv";
    asUser = {"--reuid=65534", "--regid=65534", "--clear-groups", CliPath()};
  }
  struct Row {
    const char* why;
    fs::perms outputMode;  // of an existing 42.CSV, or none
    fs::perms folderMode;
    int exitCode;
    const char* reason;
    bool othersOutput = false;  // the output belongs to another user (root)
  };
  const auto rw = fs::perms::owner_read | fs::perms::owner_write;
  const auto rwx = fs::perms::owner_all;
  const auto rx = fs::perms::owner_read | fs::perms::owner_exec;
  const Row rows[] = {
      {"read-only output refused", fs::perms::owner_read, rwx, 1, "Permission denied"},
      {"read-only folder: written in place", rw, rx, 0, ""},
      {"read-only folder, no output", fs::perms::none, rx, 1, "Permission denied"},
      {"someone else's output in a sticky folder", fs::perms::all, fs::perms::all | fs::perms::sticky_bit, 0, "",
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    if (row.othersOutput && geteuid() != 0) continue;  // needs another user's file
    TempDir dir;
    fs::copy_file(folder.File("42.STE"), dir.File("42.STE"));
    fs::copy_file(folder.File("42.log"), dir.File("42.log"));
    if (row.outputMode != fs::perms::none) WriteFile(dir.File("42.CSV"), "old");
    for (const auto& name : dir.Names()) {
      if (geteuid() == 0 && !(row.othersOutput && name == "42.CSV") && chown(dir.File(name).c_str(), 65534, 65534))
        FAIL();
      if (name == "42.CSV") fs::permissions(dir.File(name), row.outputMode);
    }
    if (geteuid() == 0 && !row.othersOutput && chown(dir.Path().c_str(), 65534, 65534) != 0) FAIL();
    fs::permissions(dir.Path(), row.folderMode);
    std::vector<std::string> args = asUser;
    args.push_back(dir.File("42.log"));
    const auto run = RunProcess(asUser.empty() ? CliPath() : "/usr/bin/setpriv", args, TimeLimit);
    fs::permissions(dir.Path(), rwx);
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
    EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
    if (row.outputMode == fs::perms::none) continue;
    EXPECT_EQ(ReadFile(dir.File("42.CSV")), row.exitCode == 0 ? csv : "old");
    EXPECT_EQ(fs::status(dir.File("42.CSV")).permissions(), row.outputMode);
  }
}

TEST_F(CliSafety, InfoShowsControlBytesEscaped) {
  std::string log = ReadFile(folder.File("42.log"));
  log.replace(0, 12, "\x1b]0;owned\x07\r\n");
  WriteFile(folder.File("42.log"), log);
  const auto run = Cli({"--info", folder.File("42.log")});
  EXPECT_NE(run.out.find("Log: \\x1B]0;owned\\x07\\x0D\\x0A"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
}

}  // namespace
}  // namespace zerb::test
