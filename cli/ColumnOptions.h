#pragma once
// The classic column options that conversion and the history commands both
// take (--no-headers, -d, -t): defined once, read into the writers' flags
// once.

#include <cstdint>
#include <string>

namespace CLI {
class App;
}

namespace zerb {

struct ColumnArgs {
  bool noHeaders = false;
  std::string dateTime = "text";  // off, serial, text or iso
  bool tab = false;
};

// Adds the three options in that order; `noHeadersHelp` is the command's own
// help line for --no-headers.
void AddColumnOptions(CLI::App& app, ColumnArgs& args, const char* noHeadersHelp);

// FlagHeaders, FlagTab and the date/time flags of the values (-d iso is
// the styles' to work out).
uint16_t ColumnFlags(const ColumnArgs& args);

}  // namespace zerb
