#pragma once
// What the history commands tell the user besides the data: gaps,
// conflicts and logs that overlap off one grid, on standard error.

#include <cstdio>
#include <string>

#include "history/HistoryTypes.h"

namespace zerb {

// Names a channel for the user: "sensor 0x0009".
std::string ChannelText(ChannelId id);

void ReportOffGrid(std::FILE* out, const HistoryReport& report);
// The count; with `list`, the first conflicts too.
void ReportConflicts(std::FILE* out, const HistoryReport& report, bool list);
// The count; with `list`, each gap.
void ReportGaps(std::FILE* out, const std::vector<Gap>& gaps, bool filled, bool list);

}  // namespace zerb
