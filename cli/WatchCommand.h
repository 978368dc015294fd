#pragma once
// Runs `watch` (cli/WatchOptions.h): until SIGTERM or SIGINT, which let the
// log being imported finish; SIGHUP looks through the folders. Exit codes:
// 0 stopped, 1 it could not go on, 2 a usage error.

#include <string_view>

namespace zerb {

int RunWatchCommand(int argc, char** argv);

// Whether `watch` has an option of this name.
bool WatchCommandTakes(std::string_view verb, std::string_view option);

}  // namespace zerb
