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
// neither --quiet nor --no-progress was given. Output written to standard
// output while the line is shown wants none when that is the terminal too.
bool ProgressWanted(bool quiet, bool noProgress, bool writesStandardOutput = false);

class ProgressLine {
 public:
  // `unit` names what Step counts ("row", "reading"); `whole` names what
  // `total` counts. Without a unit the line counts the whole alone ("120
  // of 5000 rows done, ..."), moved on by Reach.
  ProgressLine(std::size_t total, bool shown, const char* unit = "row", const char* whole = "log");
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // Takes the line away (before other output); the next Step draws it again.
  void Erase();
  // One more log done, with the rows it wrote or stored.
  void Step(uint64_t rows);
  // So many of the whole done (never more than the total).
  void Reach(std::size_t done);
  // The total grown by `more` (an estimate found short).
  void Grow(std::size_t more) { total_ += more; }

 private:
  void Draw();

  std::size_t total_, done_ = 0;
  uint64_t rows_ = 0;
  const char* unit_;
  const char* whole_;
  bool shown_;
  std::size_t drawn_ = 0;  // characters of the line on the screen
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace zerb
