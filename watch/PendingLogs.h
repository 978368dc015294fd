#pragma once
// Which logs of the watched folders are due for import, and which are
// waited for: a log is taken once its size and modification time have not
// changed for the settle time; one that failed is parked until it changes
// (a damaged log), or tried again a few times first (a cut log, still
// being written). Times are seconds on a steady clock the caller keeps.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zerb {

// What the file system says of a file: a write changes one or both.
struct FileStamp {
  uintmax_t size = 0;
  int64_t mtimeNs = 0;
  bool operator==(const FileStamp&) const = default;
};

enum class LogFailure {
  Damaged,  // fails for good: waits until the file changes
  Cut,      // shorter than its header says: tried again later
};

// What a failure means for the caller's report.
enum class FailureFate {
  Retry,   // tried again later; nothing to report yet
  Parked,  // report it once: not tried again until it changes
};

class PendingLogs {
 public:
  PendingLogs(double settle, int cutTries) : settle_(settle), cutTries_(cutTries) {}

  // A log seen by a scan or an event at `now`, its modification `age`
  // seconds ago by the wall clock. A log done or parked with this stamp is
  // left alone.
  void Seen(const std::string& path, FileStamp stamp, double age, double now);
  // The logs quiet for the settle time whose stamp (as `stampOf` reads it
  // now) is the one seen; those that changed wait again, those gone are
  // forgotten.
  template <class ReadStamp>
  std::vector<std::string> Due(double now, ReadStamp stampOf);
  // The outcome of a due log.
  void Done(const std::string& path, FileStamp stamp);
  FailureFate Failed(const std::string& path, FileStamp stamp, LogFailure failure, double now);
  // The parked logs of `folder` wait again (their site file came).
  void Reopen(const std::string& folder, double now);
  // Back to waiting, as just seen (the store could not take it).
  void Again(const std::string& path, double now);
  // The stamp a due log was taken with.
  FileStamp StampOf(const std::string& path) const;

  // Seconds from `now` until the next log may be due; nothing when none waits.
  std::optional<double> NextDue(double now) const;
  std::size_t WaitingCount() const { return waiting_.size(); }

 private:
  struct Entry {
    FileStamp stamp;
    double quietSince = 0;  // the stamp has been the same since then
    double notBefore = 0;   // a cut log's next try
    int cutFailures = 0;
  };
  bool Ready(const Entry& w, double now) const { return now >= w.quietSince + settle_ && now >= w.notBefore; }

  double settle_;
  int cutTries_;
  std::map<std::string, Entry> waiting_;
  std::map<std::string, FileStamp> settled_;  // done or parked, with the stamp they had
  std::map<std::string, FileStamp> parked_;   // those that failed
};

template <class ReadStamp>
std::vector<std::string> PendingLogs::Due(double now, ReadStamp stampOf) {
  std::vector<std::string> due;
  for (auto it = waiting_.begin(); it != waiting_.end();) {
    Entry& w = it->second;
    if (!Ready(w, now)) {
      ++it;
      continue;
    }
    const std::optional<FileStamp> current = stampOf(it->first);
    if (!current) {
      it = waiting_.erase(it);
      continue;
    }
    if (*current != w.stamp) {
      w.stamp = *current;
      w.quietSince = now;
    } else {
      due.push_back(it->first);
    }
    ++it;
  }
  return due;
}

}  // namespace zerb
