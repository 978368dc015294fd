#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include "ProjectVersion.h"
#include "cli/StyleOptions.h"
#include "convert/IntegerText.h"

namespace zerb {

namespace {

struct RawOptions {
  std::string skip = "0";
  std::string overlap = "0";
  bool newOnly = false;
  bool noHeaders = false;
  std::string dateTime = "text";
  bool tab = false;
  bool lan = false;
};

void AddOptions(CLI::App& app, CliOptions& options, RawOptions& raw) {
  app.add_option("-e,--ext", options.extension, "extension of the output file")->capture_default_str();
  app.add_option("-s,--skip", raw.skip, "rows to skip after each written row")->capture_default_str();
  app.add_flag("-n,--new-only", raw.newOnly, "write only the rows the log counts as new");
  app.add_option("--overlap", raw.overlap, "older rows written before the new ones (with --new-only)")
      ->capture_default_str();
  app.add_flag("--no-headers", raw.noHeaders, "no header line (CSV)");
  app.add_option("-d,--datetime", raw.dateTime, "date/time columns")
      ->check(CLI::IsMember({"off", "serial", "text", "iso"}))
      ->capture_default_str();
  app.add_flag("-t,--tab", raw.tab, "tab separator instead of comma");
  app.add_flag("-l,--lan", raw.lan, "network (LAN) clock instead of the PC's");
  app.add_flag("-x,--xml", options.convert.xml, "XML instead of CSV");
  app.add_option("-o,--output", options.output, "output path for a single log; - for standard output");
  app.add_flag("--info", options.info, "describe the site and the log instead of converting");
  app.add_option("LOG", options.logs, "log files to convert")->required();
}

// The window's rules for its number fields: strict whole numbers; the skip
// count keeps the low 16 bits (70000 gives 4464, -1 gives 65535).
std::string ApplyNumbers(CliOptions& options, const RawOptions& raw) {
  const auto skip = ParseInteger(raw.skip);
  if (!skip) return NotAnIntegerMessage(raw.skip);
  options.convert.skip = static_cast<uint16_t>(*skip);
  if (raw.newOnly) {
    const auto overlap = ParseInteger(raw.overlap);
    if (!overlap) return NotAnIntegerMessage(raw.overlap);
    options.convert.overlap = *overlap;
  }
  return {};
}

uint16_t FlagsOf(const RawOptions& raw) {
  uint16_t flags = 0;
  if (!raw.noHeaders) flags |= FlagHeaders;
  if (raw.tab) flags |= FlagTab;
  if (raw.lan) flags |= FlagLanTime;
  if (raw.dateTime == "serial") flags |= FlagDateTime | FlagSerial;
  if (raw.dateTime == "text") flags |= FlagDateTime;
  return flags;
}

}  // namespace

std::variant<CliOptions, CliExit> ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app{"Converts log files of a building-monitoring system to CSV or XML, beside each log.",
               "zerb32-cli"};
  app.set_version_flag("--version", ProjectVersion);
  CliOptions options;
  RawOptions raw;
  AddOptions(app, options, raw);
  StyleArgs style;
  AddStyleOptions(app, style, options);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    std::ostringstream out, err;
    const int code = app.exit(e, out, err);
    return CliExit{code == 0 ? 0 : 2, out.str(), err.str()};
  }
  options.convert.flags = FlagsOf(raw);
  if (auto problem = ApplyNumbers(options, raw); !problem.empty())
    return CliExit{2, {}, "zerb32-cli: " + problem + "\n"};
  if (!options.output.empty() && options.logs.size() != 1)
    return CliExit{2, {}, "zerb32-cli: --output takes exactly one log\n"};
  if (auto problem = ApplyStyleOptions(app, style, raw.dateTime, options); !problem.empty())
    return CliExit{2, {}, "zerb32-cli: " + problem + "\n"};
  return options;
}

}  // namespace zerb
