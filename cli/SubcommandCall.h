#pragma once
// Finding the command a call names: `zerb32-cli -v merge ...` runs merge
// with -v, as `zerb32-cli merge -v ...` does.

#include <string>
#include <vector>

#include "cli/Subcommands.h"

namespace zerb {

struct SubcommandCall {
  const Subcommand* command = nullptr;  // none: a conversion
  std::vector<char*> argv;              // the command's name first, then the options before it, then the rest
  std::string problem;                  // an option before the name that the command does not have
};

// The first word that is not an option (nor the value of a converter option
// before it) names the command, if any.
SubcommandCall FindSubcommandCall(int argc, char** argv);

}  // namespace zerb
