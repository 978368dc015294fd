#include "watch/FolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zerb {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t FolderMask =
    IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

}  // namespace

FolderWatch::FolderWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "cannot watch folders");
}

FolderWatch::~FolderWatch() { close(fd_); }

void FolderWatch::Add(const std::string& top, FolderEvents& found) { AddTree(top, true, found); }

void FolderWatch::AddTree(const std::string& folder, bool top, FolderEvents& found) {
  const int wd = inotify_add_watch(fd_, folder.c_str(), FolderMask);
  if (wd < 0) {
    found.problems.push_back("cannot watch " + folder + ": " + std::strerror(errno));
    return;
  }
  // A folder met again (a rescan, or moved within the tree) takes its
  // path now; a top folder stays one.
  const auto [it, added] = watched_.try_emplace(wd, Watched{folder, top});
  if (!added) it->second = Watched{folder, it->second.top || top};
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    found.problems.push_back("cannot read " + folder + ": " + error.message());
    return;
  }
  for (const fs::directory_entry& entry : entries) {
    std::error_code kind;
    // A linked folder is not followed: a link up the tree would never end.
    if (entry.is_directory(kind) && !entry.is_symlink(kind))
      AddTree(entry.path().string(), false, found);
    else if (entry.is_regular_file(kind))
      found.files.push_back(entry.path().string());
  }
}

FolderEvents FolderWatch::Read() {
  FolderEvents events;
  alignas(inotify_event) std::array<char, 64 * 1024> buffer;
  for (;;) {
    const ssize_t got = read(fd_, buffer.data(), buffer.size());
    if (got <= 0) break;
    for (std::size_t at = 0; at + sizeof(inotify_event) <= static_cast<std::size_t>(got);) {
      inotify_event event;
      std::memcpy(&event, buffer.data() + at, sizeof event);
      const std::size_t next = at + sizeof event + event.len;
      if (next > static_cast<std::size_t>(got)) break;
      // The name is NUL-padded to its length.
      const std::string name(buffer.data() + at + sizeof event, strnlen(buffer.data() + at + sizeof event, event.len));
      at = next;
      if (event.mask & IN_Q_OVERFLOW) {
        events.overflowed = true;
        continue;
      }
      const auto it = watched_.find(event.wd);
      if (it == watched_.end()) continue;
      const Watched folder = it->second;
      if (event.mask & IN_IGNORED) {
        watched_.erase(it);
        continue;
      }
      if (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
        // A folder below that moved keeps its watch: moved within the
        // tree, it has its new path already.
        if (folder.top) events.vanished.push_back(folder.path);
        continue;
      }
      const std::string path = folder.path + "/" + name;
      if (event.mask & IN_ISDIR) {
        if (event.mask & (IN_CREATE | IN_MOVED_TO)) AddTree(path, false, events);
      } else if (event.mask & (IN_CLOSE_WRITE | IN_MOVED_TO)) {
        events.files.push_back(path);
      }
    }
  }
  return events;
}

}  // namespace zerb
