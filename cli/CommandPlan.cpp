#include "cli/CommandPlan.h"

#include "app/Paths.h"

namespace zerb {

std::vector<PlannedLog> PlanBatch(const CliOptions& options) {
  return PlanBatch(options.logs, [&options](const std::string& log) -> std::string {
    if (options.info) return {};
    return options.output.empty() ? OutputPathFor(log, options.extension) : options.output;
  });
}

std::string RefusalLine(const std::vector<PlannedLog>& plan, const PlannedLog& entry) {
  const PlannedLog& other = plan[entry.other];
  if (entry.action == PlanAction::HitsALog)
    return "zerb32-cli: " + entry.log + ": refused: its output " + entry.output + " is the log " + other.log +
           " of this call\n";
  return "zerb32-cli: " + entry.log + ": refused: its output " + entry.output + " is also the output of " +
         other.log + "\n";
}

}  // namespace zerb
