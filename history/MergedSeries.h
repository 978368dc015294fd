#pragma once
// A series held in memory: a channel table and a grid of rows at distinct
// signed times, oldest first, each with one reading per channel
// (present = false where no log had one). The grid is flat: the times, the
// anchor of each row and its readings row after row, with no allocation
// per row. The time handed to a row function is the logger's 32-bit clock
// reading, as a log's own rows give it (rows before 1970 wrap, as
// conversion writes them).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "series/RowGrid.h"

namespace zerb {

class MergedSeries final : public GridSeries {
 public:
  MergedSeries() = default;
  // Every row empty and without an anchor; `times` sorted and distinct.
  MergedSeries(std::vector<SeriesChannel> channels, std::vector<int64_t> times);

  std::span<const SeriesChannel> Channels() const override { return channels_; }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return error_; }
  std::optional<uint32_t> NewestTime() const override;

  // The row at a time of the grid, searched from `hint` (a row at or
  // before it, when the caller walks forward) or from the start. A caller
  // walking a log on the grid's own interval finds each row at its hint.
  std::size_t RowIndex(int64_t time, std::size_t hint) const {
    if (hint < times_.size() && times_[hint] == time) return hint;
    return Search(time, hint);
  }
  std::span<Reading> Row(std::size_t index) {
    return {readings_.data() + index * channels_.size(), channels_.size()};
  }
  // `anchor` is the newest time of the log the row is kept from: the first
  // one given stays.
  void SetAnchor(std::size_t index, int64_t anchor) {
    if (anchors_[index] == NoAnchor) anchors_[index] = anchor;
  }
  std::optional<uint32_t> RowAnchor() const override { return anchor_; }
  RowGrid Grid() const override { return {times_, anchors_, readings_}; }
  std::size_t RowCount() const { return times_.size(); }
  int64_t TimeAt(std::size_t index) const { return times_[index]; }
  // Removes the rows no anchor was set for: times no log gave a row at.
  void DropRowsWithoutLog();

 private:
  // No log time is this far back: the anchor of a row no log was placed in.
  static constexpr int64_t NoAnchor = INT64_MIN;

  std::size_t Search(int64_t time, std::size_t hint) const;

  std::vector<SeriesChannel> channels_;
  std::vector<int64_t> times_;
  std::vector<int64_t> anchors_;
  std::vector<Reading> readings_;
  std::optional<uint32_t> anchor_;
  std::string error_;
};

// Passes the rows of another series through, with an empty row at each of
// the given times (oldest first) that the series has no row at. The rows'
// clock readings are placed on the signed time line from `origin`, a time
// at or before the first row.
class GapFilledSeries final : public Series {
 public:
  GapFilledSeries(Series& rows, std::vector<int64_t> fillTimes, int64_t origin)
      : rows_(rows), fill_(std::move(fillTimes)), origin_(origin) {}
  std::span<const SeriesChannel> Channels() const override { return rows_.Channels(); }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return rows_.Error(); }
  // Fill rows lie between rows, never after the last.
  std::optional<uint32_t> NewestTime() const override { return rows_.NewestTime(); }
  // Fill rows take the anchor of the row after them.
  std::optional<uint32_t> RowAnchor() const override { return rows_.RowAnchor(); }
  std::optional<uint32_t> Interval() const override { return rows_.Interval(); }

 private:
  Series& rows_;
  std::vector<int64_t> fill_;
  int64_t origin_;
};

}  // namespace zerb
