// The file types of packaging/zerb32-mime.xml as a desktop sees them: Qt's
// MIME database over a scratch data folder where update-mime-database put
// our definition and the system's own in one database, as an installed
// package has them.

#include <gtest/gtest.h>

#include <QMimeDatabase>
#include <QString>
#include <cstdlib>
#include <filesystem>

#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr const char* UpdateMimeDatabase = "/usr/bin/update-mime-database";

constexpr const char* SystemTypes = "/usr/share/mime/packages";

// Makes `data`/mime from the system's definitions and ours and points the
// database at it alone; before the first QMimeDatabase only.
bool UseScratchDatabase(const TempDir& data) {
  const fs::path packages = data.File("mime/packages");
  fs::create_directories(packages);
  for (const auto& entry : fs::directory_iterator(SystemTypes)) fs::copy(entry.path(), packages);
  fs::copy_file(test::SourcePath("packaging/zerb32-mime.xml"), packages / "zerb32.xml");
  setenv("PKGSYSTEM_ENABLE_FSYNC", "0", 1);  // a scratch folder needs no flush
  if (test::RunProcess(UpdateMimeDatabase, {data.File("mime")}).exitCode != 0) return false;
  fs::create_directories(data.File("home"));
  setenv("XDG_DATA_HOME", data.File("home").c_str(), 1);
  setenv("XDG_DATA_DIRS", data.Path().c_str(), 1);
  return true;
}

TEST(MimeTypes, LogsByHeaderBytesSiteFilesByName) {
  if (!fs::exists(UpdateMimeDatabase) || !fs::exists(SystemTypes)) GTEST_SKIP() << "shared-mime-info is not installed";
  TempDir data;
  ASSERT_TRUE(UseScratchDatabase(data));
  const std::string log = test::ReadFile(test::SourcePath("samples/42.log"));
  std::string badBit = log;
  badBit[93] = 8;  // the first delta set's bit is 0 to 7
  const std::string text = "2026-11-30 12:00:00 backup started\r\n2026-11-30 12:05:00 backup done, 0 errors\r\n";

  struct Case {
    const char* name;
    std::string bytes;
    const char* want;  // the type, or the parent the type must have
  };
  const Case cases[] = {
      {"42.log", log, "application/x-zerb32-log"},
      {"42 copy", log, "application/x-zerb32-log"},  // no name to go by
      {"backup.log", text, "text/plain"},
      {"FORMAT2.log", std::string(log).replace(42, 1, 1, '\2'), "!application/x-zerb32-log"},
      {"badbit", badBit, "!application/x-zerb32-log"},
      {"42.STE", test::ReadFile(test::SourcePath("samples/42.STE")), "application/x-zerb32-site"},
      {"7.ste", "x", "application/x-zerb32-site"},
  };
  TempDir files;
  QMimeDatabase db;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteFile(files.File(c.name), c.bytes);
    const QMimeType type = db.mimeTypeForFile(QString::fromStdString(files.File(c.name)));
    const std::string want = c.want;
    if (want[0] == '!') {
      EXPECT_NE(type.name().toStdString(), want.substr(1));
    } else {
      EXPECT_TRUE(type.inherits(QString::fromStdString(want))) << type.name().toStdString();
    }
  }
}

}  // namespace
}  // namespace zerb
