#pragma once
// Pass 2 as XML: a loaded log's rows on the log's row walk.

#include <cstdint>

#include "classic/OutputSink.h"
#include "model/Log.h"

namespace zerb {

// As WriteCsv (classic/CsvWriter.h): the rows the walk selects into `out`;
// 1 every row written, 0 stopped by the callback, -1 failed.
int WriteXml(const TLog& log, OutputSink& out, int overlap, uint16_t skip, uint16_t flags,
             ProgressCallback callback);

}  // namespace zerb
