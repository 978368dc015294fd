#include "cli/ProgressLine.h"

#include <algorithm>
#include <cstdio>

#include "app/CountedWords.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zerb {

namespace {

std::string Duration(std::chrono::seconds time) {
  const auto s = time.count();
  char text[32];
  if (s >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(s / 60), static_cast<long long>(s % 60));
  }
  return text;
}

bool IsTerminal(std::FILE* stream) {
#ifdef _WIN32
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

}  // namespace

bool ProgressWanted(bool quiet, bool noProgress, bool writesStandardOutput) {
  return IsTerminal(stderr) && !quiet && !noProgress && !(writesStandardOutput && IsTerminal(stdout));
}

// A single log shows none: the line is for batches.
ProgressLine::ProgressLine(std::size_t total, bool shown, const char* unit, const char* whole)
    : total_(total), unit_(unit), whole_(whole), shown_(shown && total > 1) {
  Draw();
}

ProgressLine::~ProgressLine() { Erase(); }

void ProgressLine::Erase() {
  if (drawn_ == 0) return;
  // Spaces over the line rather than an escape sequence: every console
  // understands them.
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(drawn_), "");
  std::fflush(stderr);
  drawn_ = 0;
}

void ProgressLine::Step(uint64_t rows) {
  ++done_;
  rows_ += rows;
  Draw();
}

void ProgressLine::Reach(std::size_t done) {
  done_ = std::min(done, total_);
  Draw();
}

void ProgressLine::Draw() {
  if (!shown_ || done_ >= total_) return;
  using std::chrono::seconds;
  const auto elapsed = std::chrono::duration_cast<seconds>(std::chrono::steady_clock::now() - start_);
  std::string line = std::to_string(done_) + " of " + Counted(total_, whole_) + " done";
  if (unit_ != nullptr) line += ", " + Counted(rows_, unit_);
  line += ", " + Duration(elapsed);
  if (done_ > 0) line += ", about " + Duration(seconds(elapsed.count() * static_cast<long long>(total_ - done_) /
                                                       static_cast<long long>(done_))) + " left";
  Erase();
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  drawn_ = line.size();
}

}  // namespace zerb
