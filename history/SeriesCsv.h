#pragma once
// A series as the classic CSV: the bytes the CSV writer gives for one log,
// so that a series of one log's rows writes exactly that log's file. A
// channel with no reading at a row time gets an empty field; a reading the
// device gives no value for gets "" as in the log's own output.

#include <cstdint>

#include "output/OutputSink.h"
#include "output/Series.h"

namespace zerb {

// flags are ConvertFlags (separator, date/time columns, header line).
// Returns 1 when every row was written, 0 when the series stopped, -1 when
// a write failed or the series could not be read (its Error() says why).
int WriteSeriesCsv(Series& series, OutputSink& out, uint16_t flags);

}  // namespace zerb
