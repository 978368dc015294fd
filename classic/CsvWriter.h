#pragma once
// Pass 2 as CSV: a loaded log's rows on the log's row walk.

#include <cstdint>

#include "classic/OutputSink.h"
#include "model/Log.h"

namespace zerb {

// Write the rows the walk selects into `out`; flags are ConvertFlags.
// Return 1 when every row was written, 0 when the callback stopped the walk
// (what was written stays, ending with a complete row), -1 when a write
// failed or the walk could not run (pass 1 has not run on this load; the
// log's PassError() says why).
int WriteCsv(const TLog& log, OutputSink& out, int overlap, uint16_t skip, uint16_t flags,
             ProgressCallback callback);

}  // namespace zerb
