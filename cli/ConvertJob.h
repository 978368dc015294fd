#pragma once
// One log of a batch, as its turn comes: opened in the worker's own
// document, described or converted, and everything it has to say kept in
// a report rather than printed.

#include <cstddef>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CommandPlan.h"
#include "cli/OrderedJobs.h"

namespace zerb {

class Document;

// The one line of a usage error when a --degree-days channel of a planned
// log is not a temperature (each log opened in `document` for its channel
// descriptions, which the site file gives); "" when none is. Checked
// before any log is converted, so that nothing is written.
std::string DegreeDayUsageLine(const CliOptions& options, const std::vector<PlannedLog>& plan, Document& document);

// Runs plan[index] in `document` (reopened for it).
JobReport RunPlannedLog(const CliOptions& options, const std::vector<PlannedLog>& plan, std::size_t index,
                        Document& document);

}  // namespace zerb
