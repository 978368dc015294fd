#pragma once
// Runs `merge`, `import`, `export` and `history` (cli/HistoryOptions.h).
// Exit codes as for conversion: 0 all went well, 1 a log or the store
// failed, 2 a usage error.

#include <cstring>
#include <initializer_list>

namespace zerb {

// Whether the first argument names one of the history commands.
inline bool IsHistoryCommand(const char* word) {
  for (const char* verb : {"merge", "import", "export", "history"})
    if (std::strcmp(word, verb) == 0) return true;
  return false;
}

int RunHistoryCommand(int argc, char** argv);

}  // namespace zerb
