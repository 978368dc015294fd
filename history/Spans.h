#pragma once
// Rules on the time spans of logs: whether two logs share one grid of row
// times, and the gaps between the spans of many.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "history/HistoryTypes.h"

namespace zerb {

bool Overlaps(const LogSpan& a, const LogSpan& b);

// The shift from the older span's grid to the newer one's, when the two do
// not lie on one grid (different intervals, or times apart by other than a
// whole number of intervals); nothing when they do.
std::optional<int32_t> GridShift(const LogSpan& newer, const LogSpan& older);

// The stretches longer than the interval that no span covers, oldest first.
std::vector<Gap> FindGaps(std::vector<LogSpan> spans);

// Restricts spans to [from, to] (a span cut keeps its grid); spans outside
// go.
std::vector<LogSpan> ClipSpans(const std::vector<LogSpan>& spans, int64_t from, int64_t to);

// The times of the empty rows that fill a gap: on the grid of the rows
// after it, from the oldest.
std::vector<int64_t> FillTimes(const Gap& gap);

// Where a plot breaks its lines for the gaps: the first fill time of each
// (after + interval), oldest first; a row without readings there ends
// every line.
std::vector<int64_t> GapBreaks(const std::vector<Gap>& gaps);

// The stretches a plot shades for the gaps: (after, before) of each.
std::vector<std::pair<int64_t, int64_t>> GapStretches(const std::vector<Gap>& gaps);

// How many rows a gap misses: the count of its FillTimes, found without
// making them (0 for a gap without an interval).
uint64_t MissingRows(const Gap& gap);

// One gap for the user: "after 2026-03-01T10:00:00 until
// 2026-03-01T12:00:00 (23 rows missing)".
std::string GapText(const Gap& gap);

}  // namespace zerb
