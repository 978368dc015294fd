#include "cli/OrderedJobs.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace zerb {

namespace {

void RunHere(std::size_t count, const JobHooks& hooks) {
  for (std::size_t i = 0; i < count; ++i) hooks.take(hooks.run(i, 0));
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
      changed_.wait(lock, [&] { return next_ >= count_ || next_ < taken_ + slots_.size(); });
      if (next_ >= count_) break;
      const std::size_t index = next_++;
      lock.unlock();
      JobReport report = hooks_.run(index, worker);
      lock.lock();
      slots_[index % slots_.size()] = std::move(report);
      changed_.notify_all();
    }
  }

  // Hands on every report in order.
  void Take() {
    std::unique_lock lock(mutex_);
    for (; taken_ < count_; ++taken_) {
      auto& slot = slots_[taken_ % slots_.size()];
      changed_.wait(lock, [&] { return slot.has_value(); });
      JobReport report = std::move(*slot);
      slot.reset();
      changed_.notify_all();
      lock.unlock();
      hooks_.take(std::move(report));
      lock.lock();
    }
  }

 private:
  const std::size_t count_;
  const JobHooks& hooks_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::optional<JobReport>> slots_;
  std::size_t next_ = 0;   // the next job to start
  std::size_t taken_ = 0;  // jobs handed on
};

}  // namespace

void RunInOrder(std::size_t count, std::size_t workers, const JobHooks& hooks) {
  if (workers <= 1 || count <= 1) return RunHere(count, hooks);
  Pipeline pipeline(count, workers, hooks);
  std::vector<std::jthread> threads;
  for (std::size_t w = 0; w < std::min(workers, count); ++w) threads.emplace_back([&pipeline, w] { pipeline.Work(w); });
  pipeline.Take();
}

}  // namespace zerb
