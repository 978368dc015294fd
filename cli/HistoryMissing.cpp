// The history commands in a build without the history room (the Windows
// build: no SQLite there): each is refused as not available.

#include <cstdio>

#include "cli/BuildFeatures.h"
#include "cli/ConsoleText.h"
#include "cli/HistoryCommands.h"

namespace zerb {

int RunHistoryCommand(int, char** argv) {
  WriteText(stderr, NotInThisBuildMessage(argv[1]));
  return NotInThisBuildExit;
}

// Every option is taken: the command itself is then refused.
bool HistoryCommandTakes(std::string_view, std::string_view) { return true; }

}  // namespace zerb
