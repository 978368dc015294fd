#include "cli/ColumnOptions.h"

#include <CLI/CLI.hpp>

#include "classic/ConvertFlags.h"

namespace zerb {

void AddColumnOptions(CLI::App& app, ColumnArgs& args, const char* noHeadersHelp) {
  app.add_flag("--no-headers", args.noHeaders, noHeadersHelp);
  app.add_option("-d,--datetime", args.dateTime, "date/time columns")
      ->check(CLI::IsMember({"off", "serial", "text", "iso"}))
      ->capture_default_str();
  app.add_flag("-t,--tab", args.tab, "tab separator instead of comma");
}

uint16_t ColumnFlags(const ColumnArgs& args) {
  uint16_t flags = 0;
  if (!args.noHeaders) flags |= FlagHeaders;
  if (args.tab) flags |= FlagTab;
  if (args.dateTime == "serial") flags |= FlagDateTime | FlagSerial;
  if (args.dateTime == "text") flags |= FlagDateTime;
  return flags;
}

}  // namespace zerb
