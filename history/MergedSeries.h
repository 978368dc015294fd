#pragma once
// A series held in memory: a channel table and rows keyed by their signed
// time, each with one reading per channel (present = false where no log
// had one). Rows are visited in that order; the time handed to a row
// function is the logger's 32-bit clock reading, as a log's own rows give
// it (rows before 1970 wrap, as conversion writes them).

#include <map>
#include <optional>
#include <vector>

#include "series/Series.h"

namespace zerb {

class MergedSeries final : public Series {
 public:
  MergedSeries() = default;
  explicit MergedSeries(std::vector<SeriesChannel> channels) : channels_(std::move(channels)) {}

  std::span<const SeriesChannel> Channels() const override { return channels_; }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return error_; }
  std::optional<uint32_t> NewestTime() const override;

  // The row at the time, made empty (no reading present) if new; `anchor`
  // is the newest time of the log the row is kept from (kept when the row
  // exists).
  std::vector<Reading>& RowAt(int64_t time, int64_t anchor);
  std::optional<uint32_t> RowAnchor() const override { return anchor_; }
  std::size_t RowCount() const { return rows_.size(); }

 private:
  struct Row {
    int64_t anchor = 0;
    std::vector<Reading> readings;
  };
  std::vector<SeriesChannel> channels_;
  std::map<int64_t, Row> rows_;
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
