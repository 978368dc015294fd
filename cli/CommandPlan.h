#pragma once
// The plan of a command-line call: its logs, each writing where the options
// say (nothing with --info), and the line that refuses a log.

#include <string>
#include <vector>

#include "app/BatchPlan.h"
#include "cli/CliOptions.h"

namespace zerb {

std::vector<PlannedLog> PlanBatch(const CliOptions& options);

// The line that refuses a Collides or HitsALog entry (with its line end).
std::string RefusalLine(const std::vector<PlannedLog>& plan, const PlannedLog& entry);

}  // namespace zerb
