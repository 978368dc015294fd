#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <thread>

#include "ProjectVersion.h"
#include "app/IntegerText.h"
#include "cli/ColumnOptions.h"
#include "cli/HelpLayout.h"
#include "cli/StyleOptions.h"
#include "cli/Subcommands.h"
#include "series/CivilTime.h"

namespace zerb {

namespace {

struct RawOptions {
  std::string skip = "0";
  std::string overlap = "0";
  bool newOnly = false;
  ColumnArgs columns;
  bool lan = false;
  std::string from, to;
};

void AddOptions(CLI::App& app, CliOptions& options, RawOptions& raw) {
  app.add_option("-e,--ext", options.extension, "extension of the output file")->capture_default_str();
  app.add_option("-s,--skip", raw.skip, "rows to skip after each written row")->capture_default_str();
  app.add_flag("-n,--new-only", raw.newOnly, "write only the rows the log counts as new");
  app.add_option("--overlap", raw.overlap, "older rows written before the new ones (with --new-only)")
      ->capture_default_str();
  AddColumnOptions(app, raw.columns, "no header line (CSV)");
  app.add_flag("-l,--lan", raw.lan, "network (LAN) clock instead of the PC's");
  app.add_flag("-x,--xml", options.convert.xml, "XML instead of CSV");
  app.add_option("-o,--output", options.output, "output path for a single log; - for standard output");
  app.add_option("--output-dir", options.naming.folder, "folder of the outputs (it must exist, or --parents)");
  app.add_flag("--parents", options.makeFolder, "make --output-dir and its parents when missing");
  app.add_option("--name", options.naming.pattern, "output file name: {stem} {site} {first:%Y%m%d} {last:...}");
  app.add_option("--site", options.siteFile, "the site file of the logs, instead of the one their names give");
  app.add_flag("--info", options.info, "describe the site and the log instead of converting");
  app.add_option("--from", raw.from, "first row time written, YYYY-MM-DD[ HH:MM[:SS]]");
  app.add_option("--to", raw.to, "last row time written, YYYY-MM-DD[ HH:MM[:SS]] (included)");
  app.add_option("--channels", options.channels, "channels written: ids (S1/1) or names, by commas");
  app.add_option("LOG", options.logs, "log files to convert")->required();
}

// The most logs -j converts at once, as its help says (1 to 16).
constexpr unsigned MaxJobs = 16;

void AddBatchOptions(CLI::App& app, CliOptions& options) {
  app.add_option("-j,--jobs", options.jobs, "logs converted at once (default: one per core)")
      ->check(CLI::Range(1u, MaxJobs).description(""));
  app.add_flag("-q,--quiet", options.quiet, "no output paths on standard output");
  app.add_flag("--no-progress", options.noProgress, "no progress line on a terminal");
  app.add_flag("--require-site", options.requireSite, "a log without its whole site file fails");
}

// A text that ParseInteger would take if its value fitted: digits of the
// window's syntax, too many of them.
bool IsOutOfRangeNumber(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  const bool hex = text.compare(i, 1, "$") == 0 || text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0;
  i += hex ? (text[i] == '$' ? 1 : 2) : 0;
  const char* digits = hex ? "0123456789abcdefABCDEF" : "0123456789";
  return i < text.size() && text.find_first_not_of(digits, i) == std::string::npos;
}

// A whole number in [0, high], or the usage error that names the range.
std::optional<int32_t> NumberInRange(const std::string& text, const char* option, int32_t high,
                                     std::string& problem) {
  const auto value = ParseInteger(text);
  if (value && *value >= 0 && *value <= high) return value;
  if (!value && !IsOutOfRangeNumber(text)) {
    problem = NotAnIntegerMessage(text);
  } else {
    problem = std::string(option) + " takes 0 to " + std::to_string(high) + ", not '" + text + "'";
  }
  return std::nullopt;
}

// The window's syntax for its number fields (strict whole numbers, decimal
// or hexadecimal), but only values that mean what they say: a skip count
// that fits 16 bits, an overlap that does not turn New Entries Only off.
std::string ApplyNumbers(CliOptions& options, const RawOptions& raw) {
  std::string problem;
  const auto skip = NumberInRange(raw.skip, "--skip", UINT16_MAX, problem);
  if (!skip) return problem;
  options.convert.skip = static_cast<uint16_t>(*skip);
  if (raw.newOnly) {
    const auto overlap = NumberInRange(raw.overlap, "--overlap", INT32_MAX, problem);
    if (!overlap) return problem;
    options.convert.overlap = *overlap;
  }
  return {};
}

// Help and version asked for alone are answered before any parsing: no
// exception is thrown on these paths.
std::optional<CliExit> QuickAnswer(int argc, const char* const* argv, const CLI::App& app) {
  if (argc != 2) return std::nullopt;
  if (std::strcmp(argv[1], "--version") == 0) return CliExit{0, VersionText(), {}};
  if (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) return CliExit{0, app.help(), {}};
  return std::nullopt;
}

// --from and --to as conversion takes them: a date alone covers its day.
std::string ApplyRange(const CLI::App& app, CliOptions& options, const RawOptions& raw) {
  RowSelection& selection = options.convert.selection;
  const std::string* from = app.count("--from") > 0 ? &raw.from : nullptr;
  const std::string* to = app.count("--to") > 0 ? &raw.to : nullptr;
  if (std::string problem = ParseCivilRange(from, to, selection.from, selection.to); !problem.empty()) return problem;
  const bool selecting = !selection.SelectsAll() || options.channels;
  if (selecting && options.convert.xml) return "--from, --to and --channels write CSV; the XML output holds whole logs";
  return {};
}

// --output-dir, --parents and --name.
std::string CheckNaming(const CliOptions& options) {
  const OutputNaming& naming = options.naming;
  if (!options.output.empty() && (!naming.folder.empty() || !naming.pattern.empty()))
    return "--output names the one output; --output-dir and --name do not go with it";
  if (options.makeFolder && naming.folder.empty()) return "--parents goes with --output-dir";
  if (!naming.pattern.empty()) {
    if (std::string problem = NamePatternProblem(naming.pattern); !problem.empty()) return problem;
  }
  std::error_code ec;
  if (naming.folder.empty() || std::filesystem::is_directory(naming.folder, ec)) return {};
  if (std::filesystem::exists(naming.folder, ec)) return "--output-dir " + naming.folder + " is not a folder";
  if (!options.makeFolder) return "--output-dir " + naming.folder + " does not exist (--parents makes it)";
  return {};
}

uint16_t FlagsOf(const RawOptions& raw) {
  uint16_t flags = ColumnFlags(raw.columns);
  if (raw.lan) flags |= FlagLanTime;
  return flags;
}

}  // namespace

std::string VersionText() {
  return std::string("zerb32-cli ") + ProjectVersion + "\nLicence: GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>\n";
}

namespace {

// A leading "/" starts a path ("/logs/42.log" is C:\logs\42.log on
// Windows), never an option: CLI11 reads "/x" as an option on Windows.
void RefuseWindowsStyleOptions(CLI::App& app) {
  app.allow_windows_style_options(false);
  for (CLI::App* command : app.get_subcommands({})) RefuseWindowsStyleOptions(*command);
}

}  // namespace

std::optional<CliExit> ParseInto(CLI::App& app, int argc, const char* const* argv) {
  RefuseWindowsStyleOptions(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    std::ostringstream out, err;
    const int code = app.exit(e, out, err);
    return CliExit{code == 0 ? 0 : 2, out.str(), err.str()};
  }
  return std::nullopt;
}

namespace {

// The converter's command line, its values bound to `options`, `raw` and
// `style`.
struct ConverterApp {
  CLI::App app{"Converts log files of a building-monitoring system to CSV or XML.", "zerb32-cli"};
  CliOptions options;
  RawOptions raw;
  StyleArgs style;

  ConverterApp() {
    app.set_version_flag("--version", VersionText().substr(0, VersionText().size() - 1));
    AddOptions(app, options, raw);
    AddBatchOptions(app, options);
    AddStyleOptions(app, style, options);
    ArrangeHelp(app);
    app.footer(SubcommandHelp());
  }
};

}  // namespace

bool ConverterOptionTakesValue(std::string_view name) {
  ConverterApp converter;
  const CLI::Option* option = converter.app.get_option_no_throw(std::string(name));
  return option && option->get_items_expected_min() > 0;
}

std::variant<CliOptions, CliExit> ParseCommandLine(int argc, const char* const* argv) {
  ConverterApp converter;
  CLI::App& app = converter.app;
  CliOptions& options = converter.options;
  const RawOptions& raw = converter.raw;
  StyleArgs& style = converter.style;
  if (auto answer = QuickAnswer(argc, argv, app)) return *answer;
  if (auto exit = ParseInto(app, argc, argv)) return *exit;
  options.convert.flags = FlagsOf(raw);
  if (auto problem = ApplyNumbers(options, raw); !problem.empty())
    return CliExit{2, {}, "zerb32-cli: " + problem + "\n"};
  if (auto problem = CheckNaming(options); !problem.empty()) return CliExit{2, {}, "zerb32-cli: " + problem + "\n"};
  if (!options.output.empty() && options.logs.size() != 1)
    return CliExit{2, {}, "zerb32-cli: --output takes exactly one log\n"};
  if (auto problem = ApplyStyleOptions(app, style, raw.columns.dateTime, options); !problem.empty())
    return CliExit{2, {}, "zerb32-cli: " + problem + "\n"};
  if (auto problem = ApplyRange(app, options, raw); !problem.empty())
    return CliExit{2, {}, "zerb32-cli: " + problem + "\n"};
  // A workbook is named .xlsx unless -e says otherwise.
  const bool workbook = options.convert.table && options.convert.table->file == TableFile::Workbook;
  if (workbook && app.count("--ext") == 0) options.extension = "xlsx";
  if (options.jobs == 0) options.jobs = std::clamp(std::thread::hardware_concurrency(), 1u, MaxJobs);
  return options;
}

}  // namespace zerb
