#pragma once
// Keeps a store up to date with the logs of some folder trees: imports the
// logs there, then each one that arrives (closed after writing or moved in,
// new folders included) once it has settled; looks through the trees again
// every so often for file systems that send no notifications. A log is one
// transaction, known by its content hash, so restarts, rescans, copies of a
// log and other watchers feeding the same store store it exactly once.

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "history/Store.h"
#include "watch/FolderWatch.h"
#include "watch/PendingLogs.h"

namespace zerb {

struct WatchSettings {
  std::string store;  // as OpenStore takes it
  std::vector<std::string> folders;
  double settle = 2;   // seconds a log's size and time must stay the same
  double rescan = 300;  // seconds between looks through the folders
  int cutTries = 5;    // tries of a log that ends early before it is reported
  HistoryLogOptions log;
};

// What a line says: a log stored or skipped; a detail (a retry); anything
// that went wrong or changed.
enum class WatchNews { Routine, Detail, Problem };
using WatchSay = std::function<void(WatchNews, const std::string&)>;

struct WatchCounts {
  std::size_t stored = 0, skipped = 0, refused = 0;
};

class Watcher {
 public:
  // `say` takes each event as one line (without its end).
  Watcher(WatchSettings settings, WatchSay say);
  ~Watcher();
  Watcher(const Watcher&) = delete;
  Watcher& operator=(const Watcher&) = delete;

  // Watches until Stop; the exit status: 0 when stopped, 1 when it could
  // not go on (no folder to watch, a folder gone, a local store that
  // cannot be opened).
  int Run();
  // From any thread: the log being imported is finished, then Run returns.
  void Stop();
  // From any thread: look through the folders now.
  void Rescan();

 private:
  bool WatchFolders();
  void Take(const FolderEvents& events, bool fromScan);
  void Scan();
  bool OpenTheStore(bool first);
  void ImportDue();
  bool ImportOne(const std::string& path);
  void StoreFailed(const std::string& reason);
  void Tell();
  double Now() const;
  double WaitSeconds() const;
  void Wait();

  WatchSettings settings_;
  WatchSay say_;
  FolderWatch folders_;
  PendingLogs pending_;
  std::unique_ptr<Store> store_;
  std::string storeTrouble_;  // the last thing said of an unreachable store
  double storeDelay_ = 0;     // the back-off of the next try
  double storeRetryAt_ = 0;
  double nextRescan_ = 0;
  std::map<std::string, FileStamp> siteFiles_;
  std::set<std::string> problemsSaid_;
  std::vector<std::string> vanished_;
  WatchCounts counts_;
  int wake_ = -1;  // an eventfd: Stop and Rescan wake the wait
  std::atomic<bool> stopping_{false};
  std::atomic<bool> rescanAsked_{false};
};

// A log's failure that says the file ends before its header says it does:
// a log still being written or cut in transfer.
bool EndsEarly(const std::string& reason);

}  // namespace zerb
