#include "plot/PlotOptions.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <sstream>

#include "ProjectVersion.h"
#include "series/CivilTime.h"
#include "styles/ZoneClock.h"

namespace zerb {

namespace {

std::string VersionText() {
  return std::string("zerb32-plot ") + ProjectVersion + "\nLicence: GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>\n";
}

// The problem with the options once parsed, or "".
std::string Check(PlotOptions& options, const std::string& from, const std::string& to, const std::string& site) {
  if (options.db.empty() == options.logs.empty()) return "give either logs or --db STORE --site N";
  if (!options.db.empty()) {
    if (site.empty()) return "--db needs --site N";
    if (options.lanTime) return "--lan applies to logs: a store keeps the clock its logs were imported with";
    const char* end = site.data() + site.size();
    const auto [stop, problem] = std::from_chars(site.data(), end, options.site);
    if (problem != std::errc() || stop != end)
      return "--site takes a site number from 0 to " + std::to_string(UINT32_MAX) + ", not \"" + site + "\"";
  } else if (!site.empty()) {
    return "--site applies to a store (--db)";
  }
  const auto format = PictureFormatOf(options.output);
  if (!format) return "the picture's name must end in .svg or .png, not '" + options.output + "'";
  options.format = *format;
  const std::string* first = from.empty() ? nullptr : &from;
  const std::string* last = to.empty() ? nullptr : &to;
  if (std::string problem = ParseCivilRange(first, last, options.from, options.to); !problem.empty()) return problem;
  return options.zone ? ZoneProblem(*options.zone) : std::string();
}

}  // namespace

std::variant<PlotOptions, PlotExit> ParsePlotCommandLine(int argc, const char* const* argv) {
  CLI::App app{"Draws the readings of building-monitoring logs as a picture: one strip per unit, on/off\n"
               "channels as lanes, several logs of a site merged into one series, or a site's history\n"
               "from a store; gaps between logs shaded.",
               "zerb32-plot"};
  PlotOptions options;
  std::string from, to, site;
  app.add_option("LOG", options.logs, "log files (several: one site's, merged)");
  app.add_option("--db", options.db, "a site's history from this store instead: an SQLite file or a PostgreSQL address")
      ->type_name("STORE");
  app.add_option("--site", site, "the store's site drawn")->type_name("N");
  app.add_option("-o,--output", options.output, "the picture: OUT.svg or OUT.png")->required()->type_name("OUT");
  app.add_option("--from", from, "first time shown, YYYY-MM-DD[THH:MM[:SS]]")->type_name("TIME");
  app.add_option("--to", to, "last time shown (included; a date: its day)")->type_name("TIME");
  app.add_option("--channels", options.channels, "channels shown: ids (S1/1) or names")->type_name("LIST");
  app.add_option("--tz", options.zone, "times shown in this IANA zone")->type_name("ZONE");
  app.add_flag("-l,--lan", options.lanTime, "network (LAN) clock instead of the PC's");
  app.add_option("--width", options.width, "picture width")->type_name("PX")->check(CLI::Range(200, 20000))
      ->capture_default_str();
  app.add_option("--height", options.height, "picture height")->type_name("PX")->check(CLI::Range(150, 20000))
      ->capture_default_str();
  app.set_version_flag("--version", VersionText().substr(0, VersionText().size() - 1));
  app.get_formatter()->column_width(24);
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return PlotExit{0, VersionText(), {}};
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
    return PlotExit{0, app.help(), {}};
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    std::ostringstream out, err;
    const int code = app.exit(e, out, err);
    return PlotExit{code == 0 ? 0 : 2, out.str(), err.str()};
  }
  if (const std::string problem = Check(options, from, to, site); !problem.empty())
    return PlotExit{2, {}, "zerb32-plot: " + problem + "\n"};
  return options;
}

}  // namespace zerb
