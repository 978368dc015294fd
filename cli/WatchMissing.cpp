// `watch` in a build without the watch room (no inotify, or no history
// store): refused as not available.

#include <cstdio>

#include "cli/BuildFeatures.h"
#include "cli/ConsoleText.h"
#include "cli/WatchCommand.h"

namespace zerb {

int RunWatchCommand(int, char** argv) {
  WriteText(stderr, NotInThisBuildMessage(argv[1]));
  return NotInThisBuildExit;
}

// Every option is taken: the command itself is then refused.
bool WatchCommandTakes(std::string_view, std::string_view) { return true; }

}  // namespace zerb
