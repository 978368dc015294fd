// OutputFile where the usual way is closed: a folder that takes no new
// file, a sticky folder that refuses the rename, a target that turned into
// a folder before the commit. The cases that need a process without file
// privileges run in a child that keeps its user but drops every capability
// (so root's permission checks apply to it, as to an ordinary user).

#include "app/OutputFile.h"
#include "app/TemporaryNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "support/Child.h"
#include "support/Files.h"
#include "support/OutputWrite.h"
#include "support/TempDir.h"

namespace zerb {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WithoutCapabilities;
using test::WriteAndCommit;
using test::WriteFile;

class OutputFallbacks : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { UseNamedTemporaryFilesOnly(GetParam()); }
  void TearDown() override { UseNamedTemporaryFilesOnly(false); }
  TempDir dir;
};

// A folder made into something the output can't replace between Open and
// Commit: the commit fails with the system's reason, the folder stays as
// it is and no temporary file is left.
TEST_P(OutputFallbacks, TargetThatBecameAFolderFailsTheCommit) {
  for (const bool existed : {false, true}) {
    SCOPED_TRACE(existed ? "replacing" : "creating");
    const std::string path = dir.File("out.csv");
    if (existed) WriteFile(path, "old");
    std::string error;
    {
      auto output = OutputFile::Open(path, error);
      ASSERT_TRUE(output) << error;
      ASSERT_TRUE(output->Sink().Write("new"));
      fs::remove(path);
      fs::create_directory(path);
      WriteFile(dir.File("out.csv/kept"), "kept");
      EXPECT_FALSE(output->Commit(error));
    }
    EXPECT_EQ(error, "cannot write " + path + ": " + std::strerror(EISDIR));
    EXPECT_EQ(dir.Names(), std::set<std::string>{"out.csv"});
    EXPECT_EQ(ReadFile(dir.File("out.csv/kept")), "kept");
    fs::remove_all(path);
  }
}

// Without privileges: a folder that takes no new file has its existing
// output overwritten in place and refuses a new one; a sticky folder of
// another user, whose output is writable by all, refuses the rename, so
// the output is filled in place and keeps its owner.
TEST_P(OutputFallbacks, FoldersThatRefuseTheUsualWay) {
  const bool root = geteuid() == 0;
  const struct Row {
    const char* why;
    mode_t folderMode;
    bool othersFolder;  // folder and output belong to user 65534 (root only)
    bool existing;
    const char* error;  // "" when the output gets the bytes
  } rows[] = {
      {"writable folder, new output", 0755, false, false, ""},
      {"read-only folder, existing output", 0555, false, true, ""},
      {"read-only folder, new output", 0555, false, false, "Permission denied"},
      {"sticky folder of another user", 01777, true, true, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    if (row.othersFolder && !root) continue;
    TempDir outer;
    const std::string folder = outer.File("out"), path = folder + "/out.csv";
    fs::create_directory(folder);
    if (row.existing) WriteFile(path, std::string(70000, 'o'));
    if (row.othersFolder) {
      ASSERT_EQ(chmod(path.c_str(), 0666), 0);
      ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
      ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(chmod(folder.c_str(), row.folderMode), 0);
    const std::string problems = WithoutCapabilities([&] {
      std::string error;
      const bool written = WriteAndCommit(path, "new", error);
      if (*row.error) return written ? std::string("written") : error == "cannot write " + path + ": " + row.error ? "" : error;
      if (!written) return error;
      if (ReadFile(path) != "new") return "output holds " + ReadFile(path).substr(0, 10);
      const auto count = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
      return count == 1 ? std::string() : std::to_string(count) + " files in the folder";
    });
    EXPECT_EQ(problems, "");
    struct stat st {};
    if (row.othersFolder && stat(path.c_str(), &st) == 0) {
      EXPECT_EQ(st.st_uid, 65534u);
    }
    chmod(folder.c_str(), 0755);
  }
}

// A device is written in place, never replaced by a regular file; one
// that takes no bytes fails the output with its reason, whether the
// bytes fail on the way (more than a stream's buffer) or at the commit.
TEST(OutputDevices, AreWrittenInPlace) {
  const struct Row {
    const char* device;
    std::size_t bytes;
    const char* error;  // "" when written
  } rows[] = {
      {"/dev/null", 3, ""},
      {"/dev/full", 3, "No space left on device"},
      {"/dev/full", 1 << 20, "No space left on device"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.device) + " " + std::to_string(row.bytes));
    if (!fs::is_character_file(row.device)) continue;  // a container without it
    std::string error;
    auto output = OutputFile::Open(row.device, error);
    ASSERT_TRUE(output) << error;
    const bool written = output->Sink().Write(std::string(row.bytes, 'x'));
    EXPECT_EQ(output->WriteError(), written ? "" : "cannot write " + std::string(row.device) + ": " + row.error);
    EXPECT_EQ(output->Commit(error), !*row.error);
    if (*row.error) {
      EXPECT_EQ(error, "cannot write " + std::string(row.device) + ": " + row.error);
    }
    EXPECT_TRUE(fs::is_character_file(row.device));
  }
}

INSTANTIATE_TEST_SUITE_P(TemporaryFiles, OutputFallbacks, ::testing::Values(false, true),
                         [](const auto& param) { return param.param ? "Named" : "Unnamed"; });

}  // namespace
}  // namespace zerb
