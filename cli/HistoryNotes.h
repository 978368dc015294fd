#pragma once
// What the Channels sheet of a history's workbook says about the history:
// the site, the logs it came from with their spans (and, from a store,
// their conflicts), its gaps, and the conflicts merge found.

#include <cstdint>
#include <vector>

#include "history/HistoryTypes.h"
#include "history/Store.h"
#include "styles/Workbook.h"

namespace zerb {

// `logs` may carry conflict counts (a store keeps them per log); `report`
// lists the conflicts merge found (nothing for an export).
WorkbookNotes HistoryNotes(uint32_t site, const std::vector<StoredLog>& logs, bool logConflicts,
                           const std::vector<Gap>& gaps, const HistoryReport* report);

}  // namespace zerb
