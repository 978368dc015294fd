#pragma once
// The plot's data summed up per period, with the summaries' own figures
// (summary/Figures.h) and periods (summary/Periods.h, on the logger's
// clock): one row at the start of each period from the first row's to the
// last row's, each channel's mean there and its lowest and highest reading
// as a band. A period without a valid reading leaves the line broken.

#include "chart/PreviewData.h"
#include "summary/Periods.h"

namespace zerb {

PreviewData PeriodPreview(const PreviewData& rows, Period period);

}  // namespace zerb
