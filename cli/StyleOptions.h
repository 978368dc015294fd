#pragma once
// The command line's analysis options: --style and the table settings it
// bundles, time zones, units, metadata.

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliOptions.h"

namespace zerb {

struct StyleArgs {
  std::string style = "classic";
  std::string tz, utcOffset, units, sep;
  bool utc = false, decimalComma = false, noTrailingSeparator = false, bom = false;
  // Summaries per period.
  std::string every, stats, minCoverage;
  std::vector<std::string> degreeDays, coolingDegreeDays;
};

// Adds the options to the app; their values land in args and options.
void AddStyleOptions(CLI::App& app, StyleArgs& args, CliOptions& options);

// Works out options.convert (table settings, style name, flags for -d iso,
// summary)
// from the parsed app: the style's settings, then every option given. The
// date/time value is -d's. Returns a usage error, or "" when they fit.
std::string ApplyStyleOptions(const CLI::App& app, const StyleArgs& args, const std::string& dateTime,
                              CliOptions& options);

}  // namespace zerb
