#pragma once
// Messages and printed paths are text in the process's code page: UTF-8 on
// Windows, which the program's manifest asks for. Written to a file or a
// pipe they stay those bytes, so a script reads what it would read on Linux.
// A Windows console shows bytes in its own code page, which is rarely UTF-8
// and which the program should not change for the console's other users:
// there the text is handed over as UTF-16.

#include <cstdio>
#include <string_view>

namespace zerb {

// Writes `text` to `stream` (standard output or standard error).
void WriteText(std::FILE* stream, std::string_view text);

}  // namespace zerb
