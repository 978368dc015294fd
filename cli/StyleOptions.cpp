#include "cli/StyleOptions.h"

#include <array>
#include <charconv>
#include <optional>

#include "app/OutputFile.h"
#include "cli/BuildFeatures.h"
#include "styles/Styles.h"
#include "styles/ZoneClock.h"
#include "summary/SummaryRequest.h"

namespace zerb {

namespace {

struct SeparatorName {
  const char* name;
  char separator;
};
constexpr std::array<SeparatorName, 3> Separators = {{{"comma", ','}, {"tab", '\t'}, {"semicolon", ';'}}};

struct TimeFormName {
  const char* name;
  TimeForm form;
};
constexpr std::array<TimeFormName, 4> TimeForms = {
    {{"off", TimeForm::Off}, {"text", TimeForm::ClassicText}, {"serial", TimeForm::ClassicSerial}, {"iso", TimeForm::Iso}}};

// The options that shape CSV only, by their longest name.
constexpr std::array<const char*, 8> CsvOnly = {"--sep", "--decimal-comma", "--no-trailing-separator", "--bom",
                                                "--units", "--tz", "--utc-offset", "--utc"};

bool Given(const CLI::App& app, const char* name) { return app.count(name) > 0; }

std::string ForXml(const CLI::App& app, const StyleArgs& args) {
  if (args.style != "classic") return "--style " + args.style + " writes CSV; it cannot be used with -x";
  for (const char* name : CsvOnly)
    if (Given(app, name)) return std::string(name) + " is for CSV output; it cannot be used with -x";
  return {};
}

// What a workbook has no use for: it has no separator or byte-order mark,
// its times are always date-time cells under a header row.
constexpr std::array<const char*, 7> TextOnly = {"--sep", "--decimal-comma", "--no-trailing-separator", "--bom",
                                                 "--tab", "--datetime", "--no-headers"};

std::string ForWorkbook(const CLI::App& app) {
  if (!BuildHasXlsx) return "--style xlsx: not available in this build";
  for (const char* name : TextOnly)
    if (Given(app, name)) return std::string(name) + " is for CSV output; it cannot be used with --style xlsx";
  return {};
}

std::string ApplyZone(const CLI::App& app, const StyleArgs& args, TableSettings& table) {
  const bool tz = Given(app, "--tz"), offset = Given(app, "--utc-offset");
  if (tz && offset) return "--tz and --utc-offset cannot be used together";
  if (args.utc && !tz && !offset) return "--utc needs --tz or --utc-offset";
  if (!tz && !offset) return {};
  if (tz && !BuildHasTimeZones) return "--tz: not available in this build";
  if (tz) {
    if (std::string problem = ZoneProblem(args.tz); !problem.empty()) return problem;
  }
  if (table.time != TimeForm::Iso && table.time != TimeForm::Excel)
    return std::string(tz ? "--tz" : "--utc-offset") + " needs an ISO or excel time: -d iso or a style that has one";
  if (tz) {
    table.zone = {ZoneKind::Named, 0, args.tz, args.utc || table.zoneAsUtc};
    return {};
  }
  const auto minutes = ParseUtcOffset(args.utcOffset);
  if (!minutes) return "--utc-offset wants +HH:MM or -HH:MM (at most 14:00), not " + args.utcOffset;
  table.zone = {ZoneKind::FixedOffset, *minutes, "", args.utc};
  return {};
}

// The style's settings with every option given on top.
std::string ApplyTable(const CLI::App& app, const StyleArgs& args, const std::string& dateTime,
                       const CliOptions& options, TableSettings& table) {
  const bool classic = args.style == "classic";
  if (args.style == "xlsx") {
    if (std::string problem = ForWorkbook(app); !problem.empty()) return problem;
  }
  table = classic ? ClassicTable(options.convert.flags) : StyleSettings(args.style).value();
  if (Given(app, "--datetime") || (classic && dateTime == "iso"))
    for (const TimeFormName& t : TimeForms)
      if (dateTime == t.name) table.time = t.form;
  if (Given(app, "--no-headers")) table.header = false;
  if (Given(app, "--tab")) table.separator = '\t';
  if (Given(app, "--sep")) {
    for (const SeparatorName& s : Separators)
      if (args.sep == s.name) {
        if (Given(app, "--tab") && s.separator != '\t') return "-t and --sep " + args.sep + " disagree";
        table.separator = s.separator;
      }
  }
  if (args.decimalComma) table.decimalComma = true;
  if (table.decimalComma && table.separator == ',')
    return "--decimal-comma needs a separator other than the comma (--sep semicolon or tab)";
  if (args.noTrailingSeparator) table.trailingSeparator = false;
  if (args.bom) table.bom = true;
  // A byte-order mark says UTF-8: the texts after it must be.
  if (table.bom) table.encoding = TextEncoding::Utf8FromWindows1252;
  if (Given(app, "--units"))
    table.units = args.units == "row" ? UnitsMode::Row : args.units == "inline" ? UnitsMode::Inline : UnitsMode::Off;
  return ApplyZone(app, args, table);
}

constexpr std::array<const char*, 4> SummaryOnly = {"--stats", "--min-coverage", "--degree-days",
                                                    "--cooling-degree-days"};

std::string ApplyDegreeDays(const StyleArgs& args, SummaryRequest& asked) {
  std::string problem;
  for (const bool cooling : {false, true})
    for (const std::string& text : cooling ? args.coolingDegreeDays : args.degreeDays) {
      const auto request = ParseDegreeDays(text, cooling, problem);
      if (!request) return problem;
      asked.degreeDays.push_back(*request);
    }
  if (!asked.degreeDays.empty() && !IsCalendarPeriod(asked.every))
    return "degree-days are made per day: --every 1d, 1w or 1mo, not " + args.every;
  return {};
}

// --every and what goes with it: options.convert.summary.
std::string ApplySummary(const CLI::App& app, const StyleArgs& args, CliOptions& options) {
  if (!Given(app, "--every")) {
    for (const char* name : SummaryOnly)
      if (Given(app, name)) return std::string(name) + " goes with --every";
    return {};
  }
  SummaryRequest asked;
  const auto period = ParsePeriod(args.every);
  if (!period) return "--every takes " + std::string(AcceptedPeriods()) + "; not '" + args.every + "'";
  asked.every = *period;
  if (options.convert.xml) return "--every writes a summary in an analysis style; it cannot be used with -x";
  if (args.style == "classic")
    return "--every needs --style excel, excel-eu, pandas, long or xlsx; --style classic is not summarised";
  std::string problem;
  if (Given(app, "--stats")) {
    auto stats = ParseStats(args.stats, problem);
    if (!stats) return problem;
    asked.stats = std::move(*stats);
  }
  if (Given(app, "--min-coverage")) {
    const std::string& text = args.minCoverage;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), asked.minCoverage);
    if (error != std::errc() || end != text.data() + text.size() || !(asked.minCoverage >= 0 && asked.minCoverage <= 1))
      return "--min-coverage takes a share from 0 to 1, not '" + text + "'";
  }
  if (problem = ApplyDegreeDays(args, asked); !problem.empty()) return problem;
  options.convert.summary = std::move(asked);
  return {};
}

}  // namespace

void AddStyleOptions(CLI::App& app, StyleArgs& args, CliOptions& options) {
  std::vector<std::string> styles(StyleNames().begin(), StyleNames().end());
  app.add_option("--style", args.style, "CSV style (bundle of the options below)")
      ->check(CLI::IsMember(styles))
      ->capture_default_str();
  app.add_option("--tz", args.tz, "IANA time zone of the logger's clock");
  app.add_option("--utc-offset", args.utcOffset, "the clock's fixed offset, +HH:MM or -HH:MM");
  app.add_flag("--utc", args.utc, "write UTC times (with --tz or --utc-offset)");
  app.add_option("--units", args.units, "a units header line, or units in the names")
      ->check(CLI::IsMember({"off", "row", "inline"}));
  app.add_option("--sep", args.sep, "separator")
      ->check(CLI::IsMember({"comma", "tab", "semicolon"}));
  app.add_flag("--decimal-comma", args.decimalComma, "decimal commas (not with --sep comma)");
  app.add_flag("--no-trailing-separator", args.noTrailingSeparator, "no separator after the last field");
  app.add_flag("--bom", args.bom, "UTF-8 byte-order mark first");
  app.add_flag("--meta", options.convert.meta, "also write <output>.json (metadata)");
  app.add_option("--every", args.every, "one row per period: 15min, 30min, 1h, 1d, 1w, 1mo");
  app.add_option("--stats", args.stats, "figures: mean,min,max,first,last,on,starts,count");
  app.add_option("--min-coverage", args.minCoverage, "share of readings a period needs for figures (0-1)");
  app.add_option("--degree-days", args.degreeDays, "heating degree-days of CHANNEL[:BASE], base 15.5");
  app.add_option("--cooling-degree-days", args.coolingDegreeDays, "cooling degree-days of CHANNEL[:BASE], base 22");
  app.add_flag("-v,--verbose", options.verbose, "notes on each conversion on stderr");
}

std::string ApplyStyleOptions(const CLI::App& app, const StyleArgs& args, const std::string& dateTime,
                              CliOptions& options) {
  ConvertOptions& convert = options.convert;
  convert.styleName = args.style;
  if (convert.meta && !options.output.empty() && IsStandardOutputPath(options.output))
    return "--meta needs an output file, not standard output";
  if (dateTime == "iso") convert.flags |= FlagDateTime | FlagIsoTime;
  if (auto problem = ApplySummary(app, args, options); !problem.empty()) return problem;
  if (convert.xml) return ForXml(app, args);
  TableSettings table;
  if (auto problem = ApplyTable(app, args, dateTime, options, table); !problem.empty()) return problem;
  if (convert.summary) {
    convert.table = table;
    return {};
  }
  // The classic output keeps its own, faster writer (--sep tab is -t).
  for (const uint16_t tab : {uint16_t{0}, FlagTab}) {
    if (table == ClassicTable(convert.flags | tab)) {
      convert.flags |= tab;
      return {};
    }
  }
  convert.table = table;
  return {};
}

}  // namespace zerb
