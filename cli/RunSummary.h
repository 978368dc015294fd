#pragma once
// The --verbose line of a converted log: rows read and written, the times
// of the first and last written row, the output and the site used.

#include <cstdint>
#include <optional>
#include <string>

#include "app/ConvertOptions.h"
#include "cli/CommandPlan.h"

namespace zerb {

class Document;

// The summary line (with its line end) of a log just converted in `document`.
// With a selection of rows or channels, the rows written are the run's
// own count (`selectedRows`), without their times.
std::string RunSummaryLine(const PlannedLog& entry, const Document& document, const ConvertOptions& options,
                           std::optional<uint64_t> selectedRows = std::nullopt);

}  // namespace zerb
