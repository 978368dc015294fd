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

// Runs plan[index] in `document` (reopened for it).
JobReport RunPlannedLog(const CliOptions& options, const std::vector<PlannedLog>& plan, std::size_t index,
                        Document& document);

}  // namespace zerb
