#include "app/OutputTarget.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "app/OutputFile.h"
#include "app/Paths.h"
#include "system/FilePath.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zerb {

namespace fs = std::filesystem;

std::string FinalTarget(const std::string& path) {
  fs::path current = PathFromText(path);
  // The same bound the system puts on links followed in one lookup.
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec) break;
    const fs::path text = fs::read_symlink(current, ec);
    if (ec) break;
    current = text.is_absolute() ? text : current.parent_path() / text;
  }
  return TextFromPath(current);
}

std::string FolderOf(const std::string& path) {
  const std::string parent = TextFromPath(PathFromText(path).parent_path());
  return parent.empty() ? "." : parent;
}

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool HasLogOrSiteName(const std::string& path) {
  const std::string_view name = FileNamePart(path);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = name.substr(dot + 1);
  return EqualsIgnoringCase(extension, "log") || EqualsIgnoringCase(extension, "ste");
}

namespace {

// SQLite's database files begin with these 16 bytes; its companion files
// carry these endings beside the database's name.
constexpr std::string_view SqliteHeader{"SQLite format 3\0", 16};
constexpr std::string_view SqliteCompanions[] = {"-wal", "-shm", "-journal"};

// The first bytes of a regular file, without waiting on a pipe or device
// put in its place; nothing when it cannot be read.
std::string FirstBytes(const std::string& path, std::size_t n) {
  std::error_code ec;
  if (!fs::is_regular_file(PathFromText(path), ec)) return {};
  std::string bytes(n, '\0');
#ifdef _WIN32
  std::ifstream in(path, std::ios::binary);
  in.read(bytes.data(), static_cast<std::streamsize>(n));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
#else
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat st {};
  const ssize_t got = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? read(fd, bytes.data(), n) : -1;
  close(fd);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
#endif
  return bytes;
}

bool IsSqliteDatabase(const std::string& path) { return FirstBytes(path, SqliteHeader.size()) == SqliteHeader; }

// A companion is refused whether it exists or not: SQLite would read a
// file of that name as part of the database beside it.
bool IsStoreFile(const std::string& path) {
  std::error_code ec;
  if (fs::exists(PathFromText(path), ec) && IsSqliteDatabase(path)) return true;
  for (const std::string_view ending : SqliteCompanions)
    if (path.size() > ending.size() && path.ends_with(ending) &&
        IsSqliteDatabase(path.substr(0, path.size() - ending.size())))
      return true;
  return false;
}

}  // namespace

std::string ProtectedFileKind(const std::string& path) {
  if (IsStoreFile(path) || IsStoreFile(FinalTarget(path))) return "history store (an SQLite database)";
  std::error_code ec;
  if (!fs::exists(PathFromText(path), ec)) return {};
  if (HasLogOrSiteName(path) || HasLogOrSiteName(FinalTarget(path))) return "log or site file";
  return {};
}

}  // namespace zerb
