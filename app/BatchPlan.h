#pragma once
// Before anything of a batch is converted: where every log writes, which
// logs repeat an earlier one, and which would write over the work of another.
// The command line and the window's dropped logs follow the same plan.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zerb {

enum class PlanAction {
  Convert,     // open and convert (or describe)
  Repeat,      // the same file as an earlier log of the batch: done once
  Collides,    // its output is an earlier log's output: refused
  HitsALog,    // its output is another log of the batch: refused
};

struct PlannedLog {
  std::string log;     // as given
  std::string output;  // as it will be written; "" when nothing is written
  PlanAction action = PlanAction::Convert;
  std::size_t other = 0;  // the earlier log repeated or collided with, or the log hit
};

// Gives a log's output path as the batch's options make it: "" when the
// log writes nothing (only described), the standard output's "-" for a
// stream; neither is checked against other logs.
using OutputOfLog = std::function<std::string(const std::string& log)>;

// One entry per log, in the order given. Logs are the same when they are
// the same file (by any path, links included); outputs when their paths
// resolve ("..", links) to one. A log that cannot be found is planned as
// Convert: opening it reports why.
std::vector<PlannedLog> PlanBatch(const std::vector<std::string>& logs, const OutputOfLog& outputOf);

}  // namespace zerb
