#pragma once
// The command line of the history commands:
//   zerb32-cli merge LOG... -o OUT
//   zerb32-cli import --db FILE LOG...
//   zerb32-cli export --db FILE --site N [--from T] [--to T] -o OUT
//   zerb32-cli history --db FILE [--site N]

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/CliOptions.h"
#include "history/HistoryLog.h"
#include "styles/TableSettings.h"
#include "summary/SummaryRequest.h"

namespace zerb {

// A site as the history commands name it (--site), and the largest number
// that can name one.
using SiteNumber = uint32_t;
inline constexpr int64_t LargestSiteNumber = UINT32_MAX;

// The empty rows --fill-gaps writes at most unless --max-fill says more: a
// clock set decades wrong would otherwise fill millions of lines.
inline constexpr uint64_t DefaultMaxFill = 1'000'000;

enum class HistoryVerb { Merge, Import, Export, History };

struct HistoryCommand {
  HistoryVerb verb = HistoryVerb::Merge;
  std::vector<std::string> logs;
  std::string output;
  std::string db;
  std::optional<SiteNumber> site;
  int64_t from = INT64_MIN;
  int64_t to = INT64_MAX;
  TableSettings table;  // how the series is written: a style, or the classic CSV
  std::optional<SummaryRequest> summary;  // one row per period instead (--every)
  HistoryLogOptions log;
  bool fillGaps = false;
  uint64_t maxFill = DefaultMaxFill;  // empty rows --fill-gaps may write
  bool verbose = false;
  bool quiet = false;  // no output path, no line for each imported log
  bool noProgress = false;
};

// How the commands that read logs for a store read them: -l, --require-site,
// --allow-default-site.
void AddLogReading(CLI::App& app, HistoryLogOptions& log);

std::variant<HistoryCommand, CliExit> ParseHistoryCommand(int argc, const char* const* argv);

}  // namespace zerb
