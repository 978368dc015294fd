#include "cli/HistoryOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cstring>

#include "app/IntegerText.h"
#include "cli/BuildFeatures.h"
#include "cli/ColumnOptions.h"
#include "cli/HistoryCommands.h"
#include "cli/StyleOptions.h"
#include "cli/Subcommands.h"
#include "series/CivilTime.h"
#include "history/postgres/PgAddress.h"
#include "styles/Styles.h"
#include "styles/ZoneClock.h"

namespace zerb {

namespace {

struct RawHistory {
  std::string site, from, to;
  std::string importTz, importOffset;  // import: the logger's zone
  ColumnArgs columns;
  std::string ignored;
  // The analysis styles, as conversion takes them.
  StyleArgs style;
  CliOptions styled;
  // Conversion options that have no meaning for a merged series.
  std::vector<std::pair<CLI::Option*, std::string>> refused;
  std::vector<CLI::Option*> siteOptions;  // --site of each command that takes it
};

void AddSeriesOutput(CLI::App& app, HistoryCommand& c, RawHistory& raw) {
  app.add_option("-o,--output", c.output, "output file; - for standard output")->required();
  AddColumnOptions(app, raw.columns, "no header line");
  app.add_flag("--fill-gaps", c.fillGaps, "write empty rows on the interval grid where rows are missing");
  app.add_option("--max-fill", c.maxFill, "the most empty rows --fill-gaps may write")->capture_default_str();
  AddStyleOptions(app, raw.style, raw.styled);
  app.get_option("--verbose")->description("list gaps, conflicts and overlaps on stderr");
  app.add_flag("-q,--quiet", c.quiet, "no output path on standard output");
  app.add_flag("--no-progress", c.noProgress, "no progress line on a terminal");
  // Taken only to be refused with its reason: not in the help.
  app.get_option("--meta")->group("");
  // Taken so that they can be refused with a reason rather than as unknown.
  for (const char* name : {"-s,--skip", "--overlap", "-j,--jobs"})
    raw.refused.emplace_back(app.add_option(name, raw.ignored)->group(""), name);
  for (const char* name : {"-n,--new-only", "-x,--xml"}) raw.refused.emplace_back(app.add_flag(name)->group(""), name);
}

CLI::App* AddMerge(CLI::App& app, HistoryCommand& c, RawHistory& raw) {
  CLI::App* merge = app.add_subcommand("merge", FindSubcommand("merge")->summary);
  merge->add_option("LOG", c.logs, "log files")->required();
  AddLogReading(*merge, c.log);
  AddSeriesOutput(*merge, c, raw);
  return merge;
}

CLI::App* AddImport(CLI::App& app, HistoryCommand& c, RawHistory& raw) {
  CLI::App* import = app.add_subcommand("import", FindSubcommand("import")->summary);
  import->add_option("--db", c.db, "the store: an SQLite file or a PostgreSQL URI")->required();
  import->add_option("LOG", c.logs, "log files")->required();
  AddLogReading(*import, c.log);
  import->add_option("--tz", raw.importTz, "IANA time zone of the logger's clock, kept for the site");
  import->add_option("--utc-offset", raw.importOffset, "the clock's fixed offset, +HH:MM or -HH:MM, kept for the site");
  import->add_flag("-v,--verbose", c.verbose, "list conflicts");
  import->add_flag("-q,--quiet", c.quiet, "no line for each log on standard output");
  import->add_flag("--no-progress", c.noProgress, "no progress line on a terminal");
  return import;
}

CLI::App* AddExport(CLI::App& app, HistoryCommand& c, RawHistory& raw) {
  CLI::App* exported = app.add_subcommand("export", FindSubcommand("export")->summary);
  exported->add_option("--db", c.db, "the store: an SQLite file or a PostgreSQL URI")->required();
  raw.siteOptions.push_back(exported->add_option("--site", raw.site, "site number")->required());
  exported->add_option("--from", raw.from, "first time, YYYY-MM-DD[ HH:MM[:SS]] (or with a T)");
  exported->add_option("--to", raw.to, "last time, YYYY-MM-DD[ HH:MM[:SS]] (included)");
  AddSeriesOutput(*exported, c, raw);
  return exported;
}

CLI::App* AddHistory(CLI::App& app, HistoryCommand& c, RawHistory& raw) {
  CLI::App* history = app.add_subcommand("history", FindSubcommand("history")->summary);
  history->add_option("--db", c.db, "the store: an SQLite file or a PostgreSQL URI")->required();
  raw.siteOptions.push_back(history->add_option("--site", raw.site, "only this site"));
  return history;
}

CliExit Usage(const std::string& text) { return CliExit{2, {}, "zerb32-cli: " + text + "\n"}; }

// import --tz or --utc-offset: the zone as the store records it.
std::string ApplyImportZone(const CLI::App& import, HistoryCommand& c, const RawHistory& raw) {
  const bool tz = import.count("--tz") > 0, offset = import.count("--utc-offset") > 0;
  if (tz && offset) return "--tz and --utc-offset cannot be used together";
  if (tz) {
    if (!BuildHasTimeZones) return "--tz: not available in this build";
    if (std::string problem = ZoneProblem(raw.importTz); !problem.empty()) return problem;
    c.log.zone = raw.importTz;
  }
  if (offset) {
    const auto minutes = ParseUtcOffset(raw.importOffset);
    if (!minutes) return "--utc-offset wants +HH:MM or -HH:MM (at most 14:00), not " + raw.importOffset;
    c.log.zone = ZoneText({ZoneKind::FixedOffset, *minutes, "", false});
  }
  return {};
}

// The style's settings over the classic ones of -d, -t and --no-headers.
std::string ApplyStyle(const CLI::App& app, HistoryCommand& c, RawHistory& raw, uint16_t flags) {
  CliOptions& styled = raw.styled;
  if (styled.convert.meta) return "--meta describes one log; it does not apply to a merged series";
  styled.convert.flags = flags;
  styled.output = c.output;
  if (auto problem = ApplyStyleOptions(app, raw.style, raw.columns.dateTime, styled); !problem.empty()) return problem;
  c.table = styled.convert.table.value_or(ClassicTable(styled.convert.flags));
  c.summary = styled.convert.summary;
  c.verbose = styled.verbose;
  return {};
}

// The checks CLI11 cannot make; empty when all is well.
std::string Apply(const CLI::App& app, HistoryCommand& c, RawHistory& raw, const char* verb) {
  for (const auto& [option, name] : raw.refused)
    if (option->count() > 0)
      return std::string(verb) + " writes every row of the series once as CSV: " + name + " does not apply";
  if (c.verb != HistoryVerb::Merge && LocateStore(c.db).text.empty())
    return "--db names no store: give an SQLite file (sqlite:NAME for any name) or a PostgreSQL address";
  // Given, even as an empty text, --site must name a site.
  if (std::any_of(raw.siteOptions.begin(), raw.siteOptions.end(), [](CLI::Option* o) { return o->count() > 0; })) {
    SiteNumber site = 0;
    const char* end = raw.site.data() + raw.site.size();
    const auto [stop, problem] = std::from_chars(raw.site.data(), end, site);
    if (raw.site.empty() || problem != std::errc() || stop != end)
      return "--site takes a site number from 0 to " + std::to_string(LargestSiteNumber) + ", not \"" + raw.site + "\"";
    c.site = site;
  }
  // An empty --from or --to is no limit.
  std::optional<uint32_t> from, to;
  if (std::string problem = ParseCivilRange(raw.from.empty() ? nullptr : &raw.from, raw.to.empty() ? nullptr : &raw.to,
                                            from, to);
      !problem.empty())
    return problem;
  if (from) c.from = *from;
  if (to) c.to = *to;
  if (c.verb != HistoryVerb::Merge && c.verb != HistoryVerb::Export) return {};
  if (app.count("--max-fill") > 0 && !c.fillGaps) return "--max-fill goes with --fill-gaps";
  return ApplyStyle(app, c, raw, ColumnFlags(raw.columns));
}

}  // namespace

void AddLogReading(CLI::App& app, HistoryLogOptions& log) {
  app.add_flag("-l,--lan", log.lanTime, "row times from the network (LAN) clock instead of the PC's");
  app.add_flag("--require-site", log.requireSite, "a log whose site file is missing or incomplete fails");
  app.add_flag("--allow-default-site", log.allowDefaultSite,
               "keep a log no complete site description decodes, with default channels");
}

namespace {

// The history commands' command line, its values bound to `c` and `raw`.
struct HistoryApp {
  CLI::App app{"A site's history: logs merged into one series, kept in an SQLite store.", "zerb32-cli"};
  HistoryCommand c;
  RawHistory raw;
  CLI::App* merge = AddMerge(app, c, raw);
  CLI::App* import = AddImport(app, c, raw);
  CLI::App* exported = AddExport(app, c, raw);
  CLI::App* history = AddHistory(app, c, raw);
};

}  // namespace

bool HistoryCommandTakes(std::string_view verb, std::string_view option) {
  HistoryApp parts;
  const CLI::App* command = parts.app.get_subcommand_ptr(std::string(verb)).get();
  return command && command->get_option_no_throw(std::string(option)) != nullptr;
}

std::variant<HistoryCommand, CliExit> ParseHistoryCommand(int argc, const char* const* argv) {
  HistoryApp parts;
  CLI::App& app = parts.app;
  app.require_subcommand(1);
  HistoryCommand& c = parts.c;
  RawHistory& raw = parts.raw;
  CLI::App* merge = parts.merge;
  CLI::App* import = parts.import;
  CLI::App* exported = parts.exported;
  CLI::App* history = parts.history;
  if (auto exit = ParseInto(app, argc, argv)) return *exit;
  c.verb = merge->parsed()      ? HistoryVerb::Merge
           : import->parsed()   ? HistoryVerb::Import
           : exported->parsed() ? HistoryVerb::Export
                                : HistoryVerb::History;
  if (import->parsed()) {
    if (auto problem = ApplyImportZone(*import, c, raw); !problem.empty()) return Usage(problem);
  }
  const CLI::App& used = merge->parsed() ? *merge : exported->parsed() ? *exported : *history;
  if (auto problem = Apply(used, c, raw, argv[1]); !problem.empty()) return Usage(problem);
  return c;
}

}  // namespace zerb
