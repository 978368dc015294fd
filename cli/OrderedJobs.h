#pragma once
// Jobs run on several threads, their reports handed on in the order of the
// jobs: what a batch prints does not depend on which job finished first.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace zerb {

// What one job has to say, printed when its turn comes.
struct JobReport {
  std::string out;  // for standard output
  std::string err;  // for standard error
  bool ok = true;
  uint64_t rows = 0;  // rows written, for the progress line
};

struct JobHooks {
  // Runs job `index` on worker `worker` (< the worker count): a worker runs
  // one job at a time, so state kept per worker needs no lock.
  std::function<JobReport(std::size_t index, std::size_t worker)> run;
  // Takes each report, on the calling thread, in the order of the indexes.
  std::function<void(JobReport&&)> take;
};

// Runs jobs 0..count-1 on `workers` threads (none when workers <= 1: the
// calling thread runs them in turn). At most twice as many reports as
// workers wait for their turn, so memory does not grow with the count.
void RunInOrder(std::size_t count, std::size_t workers, const JobHooks& hooks);

}  // namespace zerb
