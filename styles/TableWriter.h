#pragma once
// A Series as delimited text, laid out by TableSettings: the classic CSV
// output, the analysis styles, wide or long.

#include <cstdint>
#include <optional>
#include <string>

#include "classic/OutputSink.h"
#include "series/Series.h"
#include "styles/TableSettings.h"

namespace zerb {

struct TableResult {
  // 1 every row written, 0 the walk was stopped (what was written stays,
  // ending with a complete line), -1 a write failed, the rows could not be
  // read or the time zone is unknown (error says why).
  int status = 1;
  uint64_t rows = 0;  // rows of the series written (a long row is several lines)
  std::optional<uint32_t> first, last;  // their civil times
  std::string anchorNote;  // a newest time in a skipped or repeated hour
  std::string error;
};

TableResult WriteTable(Series& series, const TableSettings& settings, OutputSink& out);

}  // namespace zerb
