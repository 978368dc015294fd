#pragma once
// Runs `merge`, `import`, `export` and `history` (cli/HistoryOptions.h).
// Exit codes as for conversion: 0 all went well, 1 a log or the store
// failed, 2 a usage error.

#include <string_view>

namespace zerb {

int RunHistoryCommand(int argc, char** argv);

// Whether the history command `verb` has an option of this name.
bool HistoryCommandTakes(std::string_view verb, std::string_view option);

}  // namespace zerb
