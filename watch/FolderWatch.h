#pragma once
// The kernel's notifications (inotify) on folder trees: a file closed after
// writing or moved in, and new folders below, which are watched and looked
// through at once so that nothing written into them before their watch is
// missed.

#include <map>
#include <string>
#include <vector>

namespace zerb {

struct FolderEvents {
  std::vector<std::string> files;     // closed after writing or moved in, or found in a new folder
  std::vector<std::string> problems;  // a folder that could not be watched or read, as a sentence
  std::vector<std::string> vanished;  // a watched top folder that was removed or moved away
  bool overflowed = false;            // the kernel dropped events: look through everything
};

class FolderWatch {
 public:
  // Throws std::system_error when the kernel gives no inotify instance.
  FolderWatch();
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // The descriptor to wait on (readable when events are there).
  int Descriptor() const { return fd_; }
  // Watches `top` and every folder below it, not through links (again
  // where one is watched already), and lists the files in them into
  // `found`.
  void Add(const std::string& top, FolderEvents& found);
  // Reads the events waiting, without blocking.
  FolderEvents Read();

 private:
  void AddTree(const std::string& folder, bool top, FolderEvents& found);

  int fd_ = -1;
  struct Watched {
    std::string path;
    bool top = false;
  };
  std::map<int, Watched> watched_;
};

}  // namespace zerb
