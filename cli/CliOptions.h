#pragma once
// The command line of zerb32-cli: the window's options as flags.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/Conversion.h"
#include "app/OutputNames.h"

namespace CLI {
class App;
}

namespace zerb {

struct CliOptions {
  std::string extension = "CSV";
  ConvertOptions convert;
  std::string output;  // empty: beside each log (or as naming says); "-": standard output
  OutputNaming naming;
  bool makeFolder = false;  // --parents: the naming's folder is made if missing
  std::string siteFile;     // read for every log instead of the one its name gives
  bool info = false;
  bool requireSite = false;  // a log without its whole site file is a failure
  unsigned jobs = 0;         // logs converted at once (1 to 16); 0: one per core
  bool verbose = false;      // a summary line and notes per log on standard error
  bool quiet = false;        // no output-path lines
  bool noProgress = false;   // no progress line, even on a terminal
  std::vector<std::string> logs;
  // --channels as given: ids or names, matched against each log's channels
  // (the columns go to convert.selection when its log converts).
  std::optional<std::string> channels;
};

// What the command line asked for: a run, or text to print and an exit code
// (help, version, usage errors).
struct CliExit {
  int code = 0;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

// "zerb32-cli VERSION" and the licence line, each ending in a line end.
std::string VersionText();

// Parses the arguments into the app's options: nothing when they parse, else
// what CLI11 prints and the exit code (0 for --help, 2 for a usage error).
std::optional<CliExit> ParseInto(CLI::App& app, int argc, const char* const* argv);

// Whether the converter's option of this name takes a value ("-e" does,
// "-v" and unknown names do not).
bool ConverterOptionTakesValue(std::string_view name);

std::variant<CliOptions, CliExit> ParseCommandLine(int argc, const char* const* argv);

}  // namespace zerb
