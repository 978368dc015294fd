#include "watch/Watcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>

#include "history/postgres/PgAddress.h"
#include "styles/ZoneClock.h"
#include "watch/ServiceNotice.h"

namespace zerb {

namespace fs = std::filesystem;

namespace {

constexpr double LongestStoreDelay = 60;

bool EndsWith(const std::string& name, std::string_view suffix) {
  if (name.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

struct Stamped {
  FileStamp stamp;
  double age = 0;  // seconds since its modification, by the wall clock
};

std::optional<Stamped> StampNow(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const int64_t mtime = int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec;
  const int64_t wall = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
  return Stamped{{static_cast<uintmax_t>(status.st_size), mtime}, static_cast<double>(wall - mtime) / 1e9};
}

std::string Seconds(double seconds) {
  const double rounded = std::round(seconds * 10) / 10;
  std::string text = std::to_string(rounded);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text + " s";
}

}  // namespace

bool EndsEarly(const std::string& reason) {
  return reason.find("the file ends inside") != std::string::npos ||
         (reason.find("the data area holds") != std::string::npos && reason.find("the header says") != std::string::npos);
}

Watcher::Watcher(WatchSettings settings, WatchSay say)
    : settings_(std::move(settings)),
      say_(std::move(say)),
      pending_(settings_.settle, settings_.cutTries),
      wake_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

Watcher::~Watcher() {
  if (wake_ >= 0) close(wake_);
}

void Watcher::Stop() {
  stopping_ = true;
  const uint64_t one = 1;
  [[maybe_unused]] const auto written = write(wake_, &one, sizeof one);
}

void Watcher::Rescan() {
  rescanAsked_ = true;
  const uint64_t one = 1;
  [[maybe_unused]] const auto written = write(wake_, &one, sizeof one);
}

double Watcher::Now() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The folders as given: each must be a folder this process can read.
bool Watcher::WatchFolders() {
  FolderEvents found;
  std::size_t watched = 0;
  for (std::string& folder : settings_.folders) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
      say_(WatchNews::Problem, folder + ": " + (fs::exists(folder, error) ? "not a folder" : "no such folder"));
      continue;
    }
    if (access(folder.c_str(), R_OK | X_OK) != 0) {
      say_(WatchNews::Problem, folder + ": the folder cannot be read (no permission)");
      continue;
    }
    folders_.Add(folder, found);
    ++watched;
  }
  Take(found, true);
  return watched > 0;
}

void Watcher::Take(const FolderEvents& events, bool fromScan) {
  for (const std::string& problem : events.problems)
    if (problemsSaid_.insert(problem).second) say_(WatchNews::Problem, problem);
  for (const std::string& folder : events.vanished) vanished_.push_back(folder);
  const double now = Now();
  for (const std::string& path : events.files) {
    const bool log = EndsWith(path, ".log");
    if (!log && !EndsWith(path, ".ste")) continue;
    const auto stamped = StampNow(path);
    if (!stamped) continue;
    if (log) {
      pending_.Seen(path, stamped->stamp, stamped->age, now);
      continue;
    }
    // A site file that came or changed: the logs beside it that failed
    // (without it) are tried again. One found again by a scan is no news.
    const auto [it, added] = siteFiles_.try_emplace(path, stamped->stamp);
    if (!added && it->second == stamped->stamp) continue;
    it->second = stamped->stamp;
    if (!fromScan || !added) pending_.Reopen(fs::path(path).parent_path().string(), now);
  }
}

void Watcher::Scan() {
  FolderEvents found;
  for (const std::string& folder : settings_.folders) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
      vanished_.push_back(folder);
      continue;
    }
    folders_.Add(folder, found);
  }
  Take(found, true);
  nextRescan_ = Now() + settings_.rescan;
}

bool Watcher::OpenTheStore(bool first) {
  try {
    store_ = OpenStore(settings_.store, StoreAccess::Write);
    if (!storeTrouble_.empty()) say_(WatchNews::Problem, "the store is reachable again");
    storeTrouble_.clear();
    storeDelay_ = 0;
    return true;
  } catch (const StoreError& e) {
    // A file that cannot be opened now is not going to be opened later by
    // waiting; a server may come back.
    if (first && !LocateStore(settings_.store).postgres) {
      say_(WatchNews::Problem, e.what());
      return false;
    }
    StoreFailed(e.what());
    return true;
  }
}

void Watcher::StoreFailed(const std::string& reason) {
  store_.reset();
  storeDelay_ = storeDelay_ == 0 ? 1 : std::min(storeDelay_ * 2, LongestStoreDelay);
  storeRetryAt_ = Now() + storeDelay_;
  if (reason != storeTrouble_)
    say_(WatchNews::Problem, "the store cannot be used: " + reason + "; trying again with growing pauses (up to " +
         Seconds(LongestStoreDelay) + ")");
  storeTrouble_ = reason;
}

// True when the store took it (stored, skipped or refused).
bool Watcher::ImportOne(const std::string& path) {
  const FileStamp stamp = pending_.StampOf(path);
  ImportOutcome outcome;
  const auto stored = [&](const ImportOutcome& done) {
    say_(WatchNews::Routine, "stored " + path + " (site " + std::to_string(done.site) + ", " + std::to_string(done.readings) +
         " readings, " + IsoText(done.span.first) + " to " + IsoText(done.span.last) + ")");
  };
  try {
    outcome = store_->Import(path, settings_.log, stored);
  } catch (const StoreError& e) {
    pending_.Again(path, Now());
    StoreFailed(e.what());
    return false;
  }
  if (!outcome.warning.empty()) say_(WatchNews::Problem, path + ": " + outcome.warning);
  switch (outcome.status) {
    case ImportStatus::Imported:
      ++counts_.stored;
      pending_.Done(path, stamp);
      break;
    case ImportStatus::Skipped:
      ++counts_.skipped;
      say_(WatchNews::Routine, "skipped " + path + ": already in the store");
      pending_.Done(path, stamp);
      break;
    case ImportStatus::Failed: {
      const LogFailure failure = EndsEarly(outcome.reason) ? LogFailure::Cut : LogFailure::Damaged;
      if (pending_.Failed(path, stamp, failure, Now()) == FailureFate::Retry) {
        say_(WatchNews::Detail, "waiting for " + path + ": " + outcome.reason);
      } else {
        ++counts_.refused;
        say_(WatchNews::Problem, "refused " + path + ": " + outcome.reason +
             (failure == LogFailure::Cut ? " (still so after " + std::to_string(settings_.cutTries) + " tries)" : "") +
             "; tried again when the file changes");
      }
      break;
    }
  }
  return true;
}

void Watcher::ImportDue() {
  if (!store_) return;
  const auto stampOf = [](const std::string& path) -> std::optional<FileStamp> {
    const auto stamped = StampNow(path);
    return stamped ? std::optional(stamped->stamp) : std::nullopt;
  };
  for (const std::string& path : pending_.Due(Now(), stampOf))
    if (stopping_ || !ImportOne(path)) break;
}

void Watcher::Tell() {
  NotifyStatus(std::to_string(counts_.stored) + " stored, " + std::to_string(counts_.skipped) + " skipped, " +
               std::to_string(counts_.refused) + " refused, " + std::to_string(pending_.WaitingCount()) + " waiting" +
               (store_ ? "" : "; the store cannot be used"));
}

double Watcher::WaitSeconds() const {
  const double now = Now();
  double wait = nextRescan_ - now;
  if (const auto due = pending_.NextDue(now); due && store_) wait = std::min(wait, *due);
  if (!store_) wait = std::min(wait, storeRetryAt_ - now);
  return std::max(wait, 0.0);
}

void Watcher::Wait() {
  pollfd waited[] = {{folders_.Descriptor(), POLLIN, 0}, {wake_, POLLIN, 0}};
  // A little past the time, so that what is due is due when it wakes.
  const double milliseconds = std::ceil(WaitSeconds() * 1000) + 1;
  poll(waited, 2, static_cast<int>(std::min(milliseconds, 3'600'000.0)));
  uint64_t count = 0;
  [[maybe_unused]] const auto read_ = read(wake_, &count, sizeof count);
}

int Watcher::Run() {
  if (!WatchFolders()) {
    say_(WatchNews::Problem, "no folder to watch; stopping");
    return 1;
  }
  if (!OpenTheStore(true)) return 1;
  nextRescan_ = Now() + settings_.rescan;
  ImportDue();
  NotifyReady();
  Tell();
  while (!stopping_) {
    Wait();
    if (stopping_) break;
    const FolderEvents events = folders_.Read();
    Take(events, false);
    if (rescanAsked_.exchange(false) || events.overflowed || Now() >= nextRescan_) Scan();
    if (!vanished_.empty()) {
      for (const std::string& folder : vanished_) say_(WatchNews::Problem, folder + ": the watched folder is gone; stopping");
      return 1;
    }
    if (!store_ && Now() >= storeRetryAt_) OpenTheStore(false);
    ImportDue();
    Tell();
  }
  NotifyStopping();
  return 0;
}

}  // namespace zerb
