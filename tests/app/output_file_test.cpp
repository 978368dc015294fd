// OutputFile on disk: what a replacement keeps (links, hard links, mode,
// owner), names that fill the file-name limit, and that a run that is not
// committed, or ended by a signal, leaves no temporary file.

#include "app/OutputFile.h"
#include "app/TemporaryNames.h"
#include "app/WriteOutput.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "support/Files.h"
#include "support/OutputWrite.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteAndCommit;
using test::WriteFile;

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st;
}

// Every case once with unnamed temporary files and once with named ones.
class OutputFileTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { UseNamedTemporaryFilesOnly(GetParam()); }
  void TearDown() override { UseNamedTemporaryFilesOnly(false); }
  TempDir dir;
};

TEST_P(OutputFileTest, ReplacementKeepsLinksModeAndOwner) {
  struct Row {
    const char* why;
    const char* path;    // written
    const char* target;  // where the bytes must land
    mode_t mode;         // of the old target (0: none)
    uid_t owner;         // of the old target, when the test may set it
  };
  fs::create_directory(dir.File("real"));
  fs::create_symlink("real/a.csv", dir.File("link.csv"));
  fs::create_symlink("real/new.csv", dir.File("dangling.csv"));
  const Row rows[] = {
      {"link", "link.csv", "real/a.csv", 0644, 0},
      {"dangling link", "dangling.csv", "real/new.csv", 0, 0},
      {"private file", "private.csv", "private.csv", 0600, 0},
      {"someone else's file", "other.csv", "other.csv", 0640, 65534},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    if (row.owner != 0 && geteuid() != 0) continue;
    const std::string target = dir.File(row.target);
    // Owner 0: the test's own user (root, or an ordinary user, who may not
    // give a file to root).
    const uid_t owner = row.owner ? row.owner : geteuid();
    if (row.mode) {
      WriteFile(target, "old");
      ASSERT_EQ(chmod(target.c_str(), row.mode), 0);
      ASSERT_EQ(chown(target.c_str(), owner, row.owner ? row.owner : getegid()), 0);
    }
    std::string error;
    ASSERT_TRUE(WriteAndCommit(dir.File(row.path), "new", error)) << error;
    EXPECT_EQ(ReadFile(target), "new");
    const mode_t umaskNow = umask(022);
    umask(umaskNow);
    EXPECT_EQ(StatOf(target).st_mode & 07777, row.mode ? row.mode : 0666 & ~umaskNow);
    if (row.mode) {
      EXPECT_EQ(StatOf(target).st_uid, owner);
    }
  }
  EXPECT_TRUE(fs::is_symlink(dir.File("link.csv")));
  EXPECT_TRUE(fs::is_symlink(dir.File("dangling.csv")));
  // No temporary file beside the outputs.
  EXPECT_EQ(dir.Names().size(), geteuid() == 0 ? 5u : 4u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("real")), fs::directory_iterator()), 2);
}

// A writer that gives up without a failed write leaves the output as it
// was (or absent) and says so in the caller's words; one that finishes puts
// its bytes in place. No temporary file stays either way.
TEST_P(OutputFileTest, WriteOutputCommitsOnlyWhatWasWhollyWritten) {
  const struct Row {
    bool existed, finishes;
    const char* content;  // the output afterwards; nullptr: absent
  } rows[] = {{false, true, "new"}, {true, true, "new"}, {false, false, nullptr}, {true, false, "old"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.existed ? "existing" : "new") + (row.finishes ? ", finished" : ", gave up"));
    const std::string path = dir.File("out.csv");
    fs::remove(path);
    if (row.existed) WriteFile(path, "old");
    std::string error;
    const bool written = WriteOutput(
        path, [&](OutputSink& sink) { return sink.Write("new") && row.finishes; }, "the table was cut short", error);
    EXPECT_EQ(written, row.finishes);
    EXPECT_EQ(error, row.finishes ? "" : "the table was cut short");
    if (row.content) EXPECT_EQ(ReadFile(path), row.content);
    else EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(dir.Names().size(), row.content ? 1u : 0u);
  }
}

TEST_P(OutputFileTest, HardLinkedOutputIsFilledInPlace) {
  WriteFile(dir.File("out.csv"), std::string(100000, 'x'));
  fs::create_hard_link(dir.File("out.csv"), dir.File("other-name.csv"));
  std::string error;
  ASSERT_TRUE(WriteAndCommit(dir.File("out.csv"), "new", error)) << error;
  EXPECT_EQ(ReadFile(dir.File("other-name.csv")), "new");
  EXPECT_EQ(fs::hard_link_count(dir.File("out.csv")), 2u);
  EXPECT_EQ(dir.Names().size(), 2u);
}

TEST_P(OutputFileTest, NameAtTheFileNameLimit) {
  const std::string path = dir.File(std::string(251, 'n') + ".CSV");
  std::string error;
  ASSERT_TRUE(WriteAndCommit(path, "new", error)) << error;
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(dir.Names().size(), 1u);
}

// Dropped without Commit, or ended by a signal whose handler removes the
// temporary files: the old output stays, nothing else is left.
TEST_P(OutputFileTest, NoTemporaryFileLeftBehind) {
  WriteFile(dir.File("out.csv"), "old");
  for (bool bySignal : {false, true}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Raised synchronously below, so exit() may end the child here (a
      // coverage build keeps its counts).
      std::signal(SIGTERM, [](int) {
        RemoveTemporaryOutputs();
        std::exit(0);
      });
      std::string error;
      for (const char* name : {"out.csv", "new.csv"}) {
        auto output = OutputFile::Open(dir.File(name), error);
        if (!output || !output->Sink().Write("partial")) _exit(1);
        if (bySignal) raise(SIGTERM);
      }
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"out.csv"});
    EXPECT_EQ(ReadFile(dir.File("out.csv")), "old");
  }
}

INSTANTIATE_TEST_SUITE_P(TemporaryFiles, OutputFileTest, ::testing::Values(false, true),
                         [](const auto& param) { return param.param ? "Named" : "Unnamed"; });

// A file of our name pattern that another process holds locked, as a
// running conversion holds its temporary file.
class LockedElsewhere {
 public:
  explicit LockedElsewhere(const std::string& path) {
    int ready[2];
    EXPECT_EQ(pipe(ready), 0);
    pid_ = fork();
    if (pid_ == 0) {
      const int fd = open(path.c_str(), O_RDWR | O_CREAT, 0644);
      flock(fd, LOCK_EX);
      (void)!write(ready[1], "x", 1);
      for (;;) pause();
    }
    close(ready[1]);
    char byte = 0;
    EXPECT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
  }
  ~LockedElsewhere() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }

 private:
  pid_t pid_ = -1;
};

// A killed run's temporary file goes with the next output written in its
// folder; anything else stays: a file in use, other names, links, folders,
// another user's file.
TEST(StaleTemporaryFiles, OnlyOursUnlockedAndUnusedGo) {
  TempDir dir;
  const struct {
    const char* name;
    bool stays;
  } rows[] = {
      {".zerbstale1", false}, {".zerb0a9z8y", false}, {".zerblive01", true}, {".zerbABCDEF", true},
      {".zerbab12", true},    {".zerbabc1234", true}, {"zerbstale22", true}, {".zerblinked", true},
      {".zerbfolder", true},  {".zerbowner1", true},
  };
  for (const auto& row : rows) WriteFile(dir.File(row.name), "left behind");
  fs::remove(dir.File(".zerblinked"));
  fs::create_symlink("out.csv", dir.File(".zerblinked"));
  fs::remove(dir.File(".zerbfolder"));
  fs::create_directory(dir.File(".zerbfolder"));
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(dir.File(".zerbowner1").c_str(), 65534, 65534), 0);
  }
  const LockedElsewhere live(dir.File(".zerblive01"));

  std::string error;
  ASSERT_TRUE(WriteAndCommit(dir.File("out.csv"), "new", error)) << error;
  for (const auto& row : rows) {
    if (!root && std::string(row.name) == ".zerbowner1") continue;
    EXPECT_EQ(fs::exists(fs::symlink_status(dir.File(row.name))), row.stays) << row.name;
  }
  EXPECT_EQ(ReadFile(dir.File("out.csv")), "new");
}

}  // namespace
}  // namespace zerb
