#pragma once
// The progress of an export: the rows read out of the store as a writer
// walks them, against an estimate from the spans of the logs they come
// from. The rows themselves pass through untouched.

#include <cstddef>
#include <optional>
#include <vector>

#include "cli/ProgressLine.h"
#include "history/HistoryTypes.h"
#include "series/Series.h"

namespace zerb {

// The rows that spans hold: each stretch of time counted once, on the
// interval of the span it is first found in. An estimate: readings off
// the grid make rows of their own.
std::size_t EstimatedRows(std::vector<LogSpan> spans);

// Another series' rows, moving a progress line on as they go out. A writer
// may walk the rows more than once (first for the newest time, then to
// write): each walk adds the estimate to the total. The line is taken away
// at the end of each walk, before the writer says anything more.
class RowProgressSeries final : public Series {
 public:
  RowProgressSeries(Series& rows, std::size_t estimate, bool shown) : rows_(rows), estimate_(estimate), shown_(shown) {}
  std::span<const SeriesChannel> Channels() const override { return rows_.Channels(); }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return rows_.Error(); }
  std::optional<uint32_t> NewestTime() const override { return rows_.NewestTime(); }
  std::optional<uint32_t> RowAnchor() const override { return rows_.RowAnchor(); }
  std::optional<uint32_t> Interval() const override { return rows_.Interval(); }

 private:
  Series& rows_;
  std::size_t estimate_;
  bool shown_;
  std::size_t walks_ = 0;
  std::optional<ProgressLine> line_;  // from the first walk on
};

}  // namespace zerb
