#include "cli/WatchOptions.h"

#include <CLI/CLI.hpp>
#include <cmath>

#include "cli/HistoryOptions.h"
#include "cli/Subcommands.h"
#include "cli/WatchCommand.h"
#include "history/postgres/PgAddress.h"

namespace zerb {

namespace {

struct WatchApp {
  CLI::App app{"Imports the logs of folders into a history store as they arrive.", "zerb32-cli"};
  WatchCommand c;
  CLI::App* watch = Add();

  CLI::App* Add() {
    CLI::App* w = app.add_subcommand("watch", FindSubcommand("watch")->summary);
    WatchSettings& s = c.settings;
    w->add_option("--db", s.store, "the store: an SQLite file or a PostgreSQL URI")->required();
    w->add_option("DIR", s.folders, "folders to watch, with the folders below them")->required();
    w->add_option("--settle", s.settle, "seconds a log's size and time must stay the same before it is taken")
        ->capture_default_str();
    w->add_option("--rescan", s.rescan, "seconds between looks through the folders for what no notice told")
        ->capture_default_str();
    AddLogReading(*w, s.log);
    w->add_flag("-q,--quiet", c.quiet, "no line for a log stored or skipped; problems only");
    w->add_flag("-v,--verbose", c.verbose, "a line for each log tried again while it is still being written");
    return w;
  }
};

CliExit Usage(const std::string& text) { return CliExit{2, {}, "zerb32-cli: " + text + "\n"}; }

}  // namespace

bool WatchCommandTakes(std::string_view, std::string_view option) {
  WatchApp parts;
  return parts.watch->get_option_no_throw(std::string(option)) != nullptr;
}

std::variant<WatchCommand, CliExit> ParseWatchCommand(int argc, const char* const* argv) {
  WatchApp parts;
  parts.app.require_subcommand(1);
  if (auto exit = ParseInto(parts.app, argc, argv)) return *exit;
  const WatchSettings& s = parts.c.settings;
  if (LocateStore(s.store).text.empty())
    return Usage("--db names no store: give an SQLite file (sqlite:NAME for any name) or a PostgreSQL address");
  if (!std::isfinite(s.settle) || s.settle < 0 || s.settle > 86400)
    return Usage("--settle takes seconds from 0 to 86400");
  if (!std::isfinite(s.rescan) || s.rescan < 1 || s.rescan > 86400 * 7)
    return Usage("--rescan takes seconds from 1 to 604800");
  if (parts.c.quiet && parts.c.verbose) return Usage("-q and -v cannot be used together");
  return parts.c;
}

}  // namespace zerb
