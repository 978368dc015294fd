#pragma once
// Runs `merge`, `import`, `export` and `history` (cli/HistoryOptions.h).
// Exit codes as for conversion: 0 all went well, 1 a log or the store
// failed, 2 a usage error.

#include "cli/HistoryOptions.h"

namespace zerb {

int RunHistoryCommand(int argc, char** argv);

}  // namespace zerb
