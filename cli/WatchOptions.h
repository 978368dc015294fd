#pragma once
// The command line of `watch`: the store, the folders, the settle and
// rescan times, how logs are read, how much is said.

#include <variant>

#include "cli/CliOptions.h"
#include "watch/Watcher.h"

namespace zerb {

struct WatchCommand {
  WatchSettings settings;
  bool quiet = false;    // no line for a log stored or skipped
  bool verbose = false;  // a line for each retry too
};

std::variant<WatchCommand, CliExit> ParseWatchCommand(int argc, const char* const* argv);

}  // namespace zerb
