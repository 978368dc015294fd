#include "cli/HelpLayout.h"

#include <CLI/CLI.hpp>

namespace zerb {

namespace {

struct HelpEntry {
  const char* option;  // a name CLI11 finds the option by
  const char* group;
  const char* valueName;    // nullptr: as added
  const char* description;  // nullptr: as added
};

// Groups in the order the window shows its controls: the output file
// (Extension, XML), the rows (Skip Entries, New Entries Only, New Overlap),
// the columns (Headers, Date/Time, Separator, Time base), then what only the
// command line has: the batch, and the styles of CSV beyond the classic one.
constexpr HelpEntry Entries[] = {
    {"--ext", "Output file", "EXT", "extension of the output file"},
    {"--xml", "Output file", nullptr, "XML instead of CSV"},
    {"--output", "Output file", "PATH", "output path of a single log; - for stdout"},
    {"--output-dir", "Output file", "DIR", "folder of the outputs (must exist)"},
    {"--parents", "Output file", nullptr, "make --output-dir if missing"},
    {"--name", "Output file", "PATTERN", "file name: {stem} {site} {first:%Y%m%d} {last:..}"},
    {"--site", "Output file", "FILE", "site file (.STE) of every log of the call"},
    {"--skip", "Rows", "N", "rows to skip after each written row"},
    {"--new-only", "Rows", nullptr, "only the rows the log counts as new"},
    {"--overlap", "Rows", "N", "older rows before the new ones (-n)"},
    {"--from", "Rows", "TIME", "first row time, YYYY-MM-DD[ HH:MM[:SS]]"},
    {"--to", "Rows", "TIME", "last row time (included; a date: its day)"},
    {"--no-headers", "Columns", nullptr, "no header line (CSV)"},
    {"--channels", "Columns", "LIST", "channels written: ids (S1/1) or names"},
    {"--datetime", "Columns", "WHEN", "date/time columns"},
    {"--tab", "Columns", nullptr, "tab separator instead of comma"},
    {"--lan", "Columns", nullptr, "network (LAN) clock instead of the PC's"},
    {"--jobs", "Batch", "N", "logs at once, 1 to 16 (default: cores)"},
    {"--verbose", "Batch", nullptr, "a summary and notes of each log on stderr"},
    {"--quiet", "Batch", nullptr, "no output paths on stdout"},
    {"--no-progress", "Batch", nullptr, "no progress line on a terminal's stderr"},
    {"--require-site", "Batch", nullptr, "a log without its whole site file fails"},
    {"--info", "Batch", nullptr, "describe site and log instead of converting"},
    {"--style", "CSV style", nullptr, nullptr},
    {"--tz", "CSV style", nullptr, nullptr},
    {"--utc-offset", "CSV style", nullptr, nullptr},
    {"--utc", "CSV style", nullptr, nullptr},
    {"--units", "CSV style", nullptr, nullptr},
    {"--sep", "CSV style", nullptr, nullptr},
    {"--decimal-comma", "CSV style", nullptr, nullptr},
    {"--no-trailing-separator", "CSV style", nullptr, nullptr},
    {"--bom", "CSV style", nullptr, nullptr},
    {"--meta", "CSV style", nullptr, nullptr},
};

}  // namespace

void ArrangeHelp(CLI::App& app) {
  app.get_formatter()->column_width(26);
  for (const HelpEntry& entry : Entries) {
    CLI::Option* option = app.get_option_no_throw(entry.option);
    if (!option) continue;
    option->group(entry.group);
    if (entry.description) option->description(entry.description);
    if (entry.valueName) option->type_name(entry.valueName);
  }
}

}  // namespace zerb
