// zerb32-cli: converts each log given on the command line as the window's
// Convert would, with the same site file, output path and bytes.

#include <atomic>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>
#include <variant>

#include "cli/Batch.h"
#include "cli/CliOptions.h"

namespace {

// Set from a signal handler, read by every job's thread.
std::atomic<int> interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnInterrupt(int) { interrupted.store(1, std::memory_order_relaxed); }

// Stops every running pass at its next row, and the batch before its next
// log, once Ctrl-C arrives.
int Progress(uint16_t) { return interrupted.load(std::memory_order_relaxed); }

}  // namespace

int main(int argc, char** argv) {
  auto parsed = zerb::ParseCommandLine(argc, argv);
  if (auto* exit = std::get_if<zerb::CliExit>(&parsed)) {
    std::fputs(exit->out.c_str(), stdout);
    std::fputs(exit->err.c_str(), stderr);
    return exit->code;
  }
  const auto& options = std::get<zerb::CliOptions>(parsed);
  // The XML time of day follows the user's time format, as in the window.
  std::setlocale(LC_TIME, "");
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  return zerb::RunBatch(options, Progress);
}
