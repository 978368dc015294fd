#include "watch/PendingLogs.h"

#include <algorithm>

namespace zerb {

void PendingLogs::Seen(const std::string& path, FileStamp stamp, double age, double now) {
  if (const auto settled = settled_.find(path); settled != settled_.end()) {
    if (settled->second == stamp) return;
    settled_.erase(settled);
    parked_.erase(path);
  }
  const auto [it, added] = waiting_.try_emplace(path);
  Entry& w = it->second;
  if (!added && w.stamp == stamp) return;
  const int cutFailures = added ? 0 : w.cutFailures;
  // A file last written long ago (found by a scan, or moved in) has been
  // quiet that long; a time ahead of ours (another machine's clock) counts
  // from now.
  w = Entry{stamp, now - std::clamp(age, 0.0, settle_), 0, cutFailures};
}

void PendingLogs::Done(const std::string& path, FileStamp stamp) {
  waiting_.erase(path);
  settled_[path] = stamp;
}

FailureFate PendingLogs::Failed(const std::string& path, FileStamp stamp, LogFailure failure, double now) {
  const auto it = waiting_.find(path);
  if (failure == LogFailure::Cut && it != waiting_.end() && ++it->second.cutFailures < cutTries_) {
    // Later each time: a slow writer gets longer.
    it->second.notBefore = now + std::max(settle_, 1.0) * it->second.cutFailures;
    return FailureFate::Retry;
  }
  Done(path, stamp);
  parked_[path] = stamp;
  return FailureFate::Parked;
}

void PendingLogs::Reopen(const std::string& folder, double now) {
  for (auto it = parked_.begin(); it != parked_.end();) {
    const std::string& path = it->first;
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/' &&
        path.find('/', folder.size() + 1) == std::string::npos) {
      settled_.erase(path);
      waiting_[path] = Entry{it->second, now - settle_, 0, 0};
      it = parked_.erase(it);
    } else {
      ++it;
    }
  }
}

void PendingLogs::Again(const std::string& path, double now) {
  if (const auto it = waiting_.find(path); it != waiting_.end()) it->second.notBefore = now;
}

FileStamp PendingLogs::StampOf(const std::string& path) const {
  const auto it = waiting_.find(path);
  return it == waiting_.end() ? FileStamp{} : it->second.stamp;
}

std::optional<double> PendingLogs::NextDue(double now) const {
  std::optional<double> next;
  for (const auto& [path, w] : waiting_) {
    const double at = std::max(w.quietSince + settle_, w.notBefore) - now;
    next = std::min(next.value_or(at), at);
  }
  if (next) next = std::max(*next, 0.0);
  return next;
}

}  // namespace zerb
