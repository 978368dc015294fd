#pragma once
// What the Channels sheet of one log's workbook says about the log: its
// site, file, description, interval and the header's three clock readings.

#include <string>

#include "model/Log.h"
#include "styles/Workbook.h"

namespace zerb {

WorkbookNotes LogNotes(const TLog& log, const std::string& logPath);

}  // namespace zerb
