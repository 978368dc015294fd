#pragma once
// A plot's lines drawn from a series' envelope (series/Envelope.h) rather
// than from its rows: for the envelope's range and width, the same lines
// and stretches on as ChannelLines and OnRuns give from every row.

#include <cstddef>
#include <utility>
#include <vector>

#include "chart/PreviewData.h"
#include "series/Envelope.h"

namespace zerb {

std::vector<PlotLine> EnvelopeLines(const SeriesEnvelope& envelope, std::size_t channel);

// `joinWithin`: the width of a pixel column in seconds, as the chart has it.
std::vector<std::pair<double, double>> EnvelopeOnRuns(const SeriesEnvelope& envelope, std::size_t channel,
                                                      double joinWithin);

}  // namespace zerb
