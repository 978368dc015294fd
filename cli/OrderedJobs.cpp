#include "cli/OrderedJobs.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace zerb {

namespace {

std::size_t RunHere(std::size_t count, const JobHooks& hooks) {
  std::size_t i = 0;
  for (; i < count && !hooks.stopRequested(); ++i) hooks.take(hooks.run(i, 0));
  return i;
}

// Reports travel from the workers to the caller through a ring of slots:
// job i may start only once job i - slots has been taken.
class Pipeline {
 public:
  Pipeline(std::size_t count, std::size_t workers, const JobHooks& hooks)
      : count_(count), hooks_(hooks), slots_(2 * workers) {}

  void Work(std::size_t worker) {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return stopping_ || next_ >= count_ || next_ < taken_ + slots_.size(); });
      if (stopping_ || next_ >= count_) break;
      if (hooks_.stopRequested()) {
        stopping_ = true;
        break;
      }
      const std::size_t index = next_++;
      lock.unlock();
      JobReport report = hooks_.run(index, worker);
      lock.lock();
      slots_[index % slots_.size()] = std::move(report);
      changed_.notify_all();
    }
    changed_.notify_all();
  }

  // Hands on reports in order until every started job is taken.
  std::size_t Take() {
    std::unique_lock lock(mutex_);
    for (; taken_ < count_; ++taken_) {
      auto& slot = slots_[taken_ % slots_.size()];
      changed_.wait(lock, [&] { return slot.has_value() || (stopping_ && taken_ >= next_); });
      if (!slot) break;
      JobReport report = std::move(*slot);
      slot.reset();
      changed_.notify_all();
      lock.unlock();
      hooks_.take(std::move(report));
      lock.lock();
    }
    return taken_;
  }

 private:
  const std::size_t count_;
  const JobHooks& hooks_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::optional<JobReport>> slots_;
  std::size_t next_ = 0;   // the next job to start
  std::size_t taken_ = 0;  // jobs handed on
  bool stopping_ = false;
};

}  // namespace

std::size_t RunInOrder(std::size_t count, std::size_t workers, const JobHooks& hooks) {
  if (workers <= 1 || count <= 1) return RunHere(count, hooks);
  Pipeline pipeline(count, workers, hooks);
  std::vector<std::jthread> threads;
  for (std::size_t w = 0; w < std::min(workers, count); ++w) threads.emplace_back([&pipeline, w] { pipeline.Work(w); });
  return pipeline.Take();
}

}  // namespace zerb
