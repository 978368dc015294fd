#pragma once
// A summary of a Series as delimited text: one row per period (wide: the
// time of the period's start, then per channel one column per statistic,
// "Name [unit] stat"), or one line per period, channel and statistic
// (long: Time,Channel,Name,Unit,Stat,Value,Count). A wide column is named
// after the channel's own column; the long Unit is the value's: the
// channel's, "h" for hours on, none for counts, "K·d" for degree-days. Periods are aligned on
// the clock of the settings' zone (the logger's civil time without one);
// a UTC setting changes only how the starts are written.

#include <span>
#include <string>

#include "classic/OutputSink.h"
#include "series/Series.h"
#include "styles/TableSettings.h"
#include "styles/TableWriter.h"
#include "summary/SummaryRequest.h"

namespace zerb {

// The result as WriteTable's, with rows counting periods and first/last
// the civil times of the first and last period's start. A degree-day
// channel that the series lacks or that is not a temperature, and an
// unknown zone, are status -1 with `error` set before anything is written.
// With `folded`, the periods are those a store folded (styles/SummaryColumns.h)
// and the series only gives the channels.
struct FoldedSummary;
TableResult WriteSummary(Series& series, const TableSettings& settings, const SummaryRequest& asked, OutputSink& out,
                         const FoldedSummary* folded = nullptr);

// Why a summary cannot be made of these channels (a degree-day channel
// they lack or that is not a temperature); "" when it can.
std::string SummaryProblem(std::span<const SeriesChannel> channels, const SummaryRequest& asked);


}  // namespace zerb
