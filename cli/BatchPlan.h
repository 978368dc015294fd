#pragma once
// Before anything is converted: where every log of the call writes, which
// logs repeat an earlier one, and which would write over the work of another.

#include <cstddef>
#include <string>
#include <vector>

#include "cli/CliOptions.h"

namespace zerb {

enum class PlanAction {
  Convert,     // open, convert (or describe, with --info)
  Repeat,      // the same file as an earlier log of the call: done once
  Collides,    // its output is an earlier log's output: refused
  HitsALog,    // its output is another log of the call: refused
};

struct PlannedLog {
  std::string log;     // as given
  std::string output;  // as it will be written; "" with --info
  PlanAction action = PlanAction::Convert;
  std::size_t other = 0;  // the earlier log repeated or collided with, or the log hit
};

// One entry per log of the call, in the order given. Logs are the same when
// they are the same file (by any path, links included); outputs when their
// paths resolve ("..", links) to one. A log that cannot be found is planned
// as Convert: opening it reports why.
std::vector<PlannedLog> PlanBatch(const CliOptions& options);

// The line that refuses a Collides or HitsALog entry (with its line end).
std::string RefusalLine(const std::vector<PlannedLog>& plan, const PlannedLog& entry);

}  // namespace zerb
