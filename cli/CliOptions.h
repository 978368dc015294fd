#pragma once
// The command line of zerb32-cli: the window's options as flags.

#include <string>
#include <variant>
#include <vector>

#include "convert/Conversion.h"

namespace zerb {

struct CliOptions {
  std::string extension = "CSV";
  ConvertOptions convert;
  std::string output;  // empty: beside each log; "-": standard output
  bool info = false;
  bool verbose = false;  // notes on each conversion on standard error
  std::vector<std::string> logs;
};

// What the command line asked for: a run, or text to print and an exit code
// (help, version, usage errors).
struct CliExit {
  int code = 0;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

std::variant<CliOptions, CliExit> ParseCommandLine(int argc, const char* const* argv);

}  // namespace zerb
