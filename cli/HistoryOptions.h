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
#include "table/TableSettings.h"

namespace zerb {

enum class HistoryVerb { Merge, Import, Export, History };

struct HistoryCommand {
  HistoryVerb verb = HistoryVerb::Merge;
  std::vector<std::string> logs;
  std::string output;
  std::string db;
  std::optional<uint32_t> site;
  int64_t from = INT64_MIN;
  int64_t to = INT64_MAX;
  TableSettings table;  // how the series is written: a style, or the classic CSV
  HistoryLogOptions log;
  bool fillGaps = false;
  bool verbose = false;
};

std::variant<HistoryCommand, CliExit> ParseHistoryCommand(int argc, const char* const* argv);

}  // namespace zerb
