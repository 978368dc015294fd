#pragma once
// One self-updating line on standard error for long work: logs done of
// all, rows, time spent and an estimate of what is left. Shown only on a
// terminal; erased before anything else is printed and at the end, so the
// output and the messages are those of a run without it.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zerb {

// Whether a progress line may be shown: standard error is a terminal and
// neither --quiet nor --no-progress was given.
bool ProgressWanted(bool quiet, bool noProgress);

class ProgressLine {
 public:
  // `unit` names what Step counts ("row", "reading").
  ProgressLine(std::size_t total, bool shown, const char* unit = "row");
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // Takes the line away (before other output); the next Step draws it again.
  void Erase();
  // One more log done, with the rows it wrote or stored.
  void Step(uint64_t rows);

 private:
  void Draw();

  std::size_t total_, done_ = 0;
  uint64_t rows_ = 0;
  const char* unit_;
  bool shown_;
  std::size_t drawn_ = 0;  // characters of the line on the screen
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace zerb
