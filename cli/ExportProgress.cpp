#include "cli/ExportProgress.h"

#include <algorithm>

namespace zerb {

std::size_t EstimatedRows(std::vector<LogSpan> spans) {
  std::sort(spans.begin(), spans.end(), [](const LogSpan& a, const LogSpan& b) { return a.first < b.first; });
  uint64_t rows = 0;
  bool started = false;
  int64_t covered = 0;  // the newest time counted so far
  for (const LogSpan& span : spans) {
    if (started && span.last <= covered) continue;
    const int64_t from = started ? std::max(span.first, covered + 1) : span.first;
    rows += span.interval == 0 ? 1 : static_cast<uint64_t>(span.last - from) / span.interval + 1;
    covered = span.last;
    started = true;
  }
  return static_cast<std::size_t>(rows);
}

int RowProgressSeries::ForEachRow(const RowFn& row) {
  if (estimate_ == 0) return rows_.ForEachRow(row);
  const std::size_t before = walks_ * estimate_;  // the rows of the walks before this one
  ++walks_;
  if (line_)
    line_->Grow(estimate_);
  else
    line_.emplace(estimate_, shown_, nullptr, "row");
  // The line moves on by a hundredth of the estimate, and stays short of
  // the walk's end until the walk is whole.
  const std::size_t stride = std::max<std::size_t>(1, estimate_ / 100);
  std::size_t walked = 0, next = stride;
  const int result = rows_.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    const bool more = row(time, readings);
    if (++walked >= next) {
      line_->Reach(before + std::min(walked, estimate_ - 1));
      next += stride;
    }
    return more;
  });
  if (result == 1) line_->Reach(before + estimate_);
  line_->Erase();
  return result;
}

}  // namespace zerb
