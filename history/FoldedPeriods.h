#pragma once
// A summary of a stored site made where the store keeps it: the store folds
// the periods (Store::FoldPeriods) and only their figures are read.

#include <cstdint>
#include <optional>
#include <span>

#include "history/Store.h"
#include "styles/SummaryColumns.h"
#include "styles/TableSettings.h"
#include "summary/SummaryRequest.h"

namespace zerb {

// The periods of the export of [from, to] (a series of `channels`) folded
// by the store, for writing with `table`. Nothing, and the caller walks the
// export's rows, when the store does not fold periods, when the degree-days
// asked do not fit the channels (the walk says why), or when the periods
// are aligned in a zone and the logs of the range have clocks of different
// offsets (each row is then placed by its own log's clock).
std::optional<FoldedSummary> FoldInStore(Store& store, uint32_t site, int64_t from, int64_t to,
                                         std::span<const SeriesChannel> channels, const TableSettings& table,
                                         const SummaryRequest& asked);

}  // namespace zerb
