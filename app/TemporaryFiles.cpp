#ifndef _WIN32

#include "app/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <random>
#include <set>

namespace zerb {

namespace {

constexpr std::string_view Prefix = ".zerb";
constexpr std::string_view Alphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t RandomLength = 6;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when `path` still names the file open on `fd`.
bool NameLeadsTo(const std::string& path, int fd) {
  struct stat named {}, open {};
  return lstat(path.c_str(), &named) == 0 && fstat(fd, &open) == 0 && SameFile(named, open);
}

void RemoveIfStale(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  // Locked by this descriptor, the file is nobody else's: a run that holds
  // it keeps its own lock until it has removed or renamed it.
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
      NameLeadsTo(path, fd))
    unlink(path.c_str());
  close(fd);
}

}  // namespace

std::string ShortTemporaryName(const std::string& folder) {
  static thread_local std::mt19937 random{std::random_device{}()};
  std::string name = folder + "/" + std::string(Prefix);
  for (std::size_t i = 0; i < RandomLength; ++i) name += Alphabet[random() % Alphabet.size()];
  return name;
}

bool IsTemporaryName(std::string_view name) {
  if (name.size() != Prefix.size() + RandomLength || !name.starts_with(Prefix)) return false;
  return name.substr(Prefix.size()).find_first_not_of(Alphabet) == std::string_view::npos;
}

bool LockAsInUse(int fd, const std::string& path) {
  // A file system without locks: the file goes unlocked, and no sweep can
  // lock (and so remove) it either.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return false;
  return path.empty() || NameLeadsTo(path, fd);
}

void RemoveStaleTemporaries(const std::string& folder) {
  static std::mutex mutex;
  static std::set<std::string> swept;
  {
    const std::lock_guard<std::mutex> lock(mutex);
    if (!swept.insert(folder).second) return;
  }
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir))
    if (IsTemporaryName(entry->d_name)) RemoveIfStale(folder + "/" + entry->d_name);
  closedir(dir);
}

}  // namespace zerb

#endif  // !_WIN32
