#pragma once
// Some rows and channels of a series: the rows whose times lie in a range
// and the channels chosen, in the order chosen. A conversion restricted to
// what a plot shows, or to a range and channels asked for on the command
// line, writes such a series.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "series/Series.h"

namespace zerb {

struct RowSelection {
  // The logger's civil times of the first and last row kept, both included;
  // none: from the first row, to the last.
  std::optional<uint32_t> from, to;
  // Columns of the series in the order written (each may come more than
  // once); none: every column as it is.
  std::optional<std::vector<std::size_t>> channels;

  bool SelectsAll() const { return !from && !to && !channels; }
  friend bool operator==(const RowSelection&, const RowSelection&) = default;
};

class SelectedSeries final : public Series {
 public:
  // Columns the series does not have are left out. `rows` must outlive this.
  SelectedSeries(Series& rows, const RowSelection& selection);

  std::span<const SeriesChannel> Channels() const override;
  // Rows are oldest first: the walk ends at the first row after the range,
  // and a walk that ended there visited every selected row (1).
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return rows_.Error(); }
  // The series' own: a time zone places the rows as it would without the
  // selection, so the times written never depend on the range asked.
  std::optional<uint32_t> NewestTime() const override { return rows_.NewestTime(); }
  std::optional<uint32_t> RowAnchor() const override { return rows_.RowAnchor(); }
  std::optional<uint32_t> Interval() const override { return rows_.Interval(); }

 private:
  Series& rows_;
  uint32_t from_ = 0, to_ = UINT32_MAX;
  std::optional<std::vector<std::size_t>> columns_;
  std::vector<SeriesChannel> channels_;
};

}  // namespace zerb
