#pragma once
// A series held in memory: a channel table and rows keyed by time, each
// with one reading per channel (present = false where no log had one).

#include <map>
#include <optional>
#include <vector>

#include "output/Series.h"

namespace zerb {

class MergedSeries final : public Series {
 public:
  MergedSeries() = default;
  explicit MergedSeries(std::vector<SeriesChannel> channels) : channels_(std::move(channels)) {}

  std::span<const SeriesChannel> Channels() const override { return channels_; }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return error_; }
  std::optional<uint32_t> NewestTime() const override;

  // The row at the time, made empty (no reading present) if new.
  std::vector<Reading>& RowAt(uint32_t time);
  std::size_t RowCount() const { return rows_.size(); }

 private:
  std::vector<SeriesChannel> channels_;
  std::map<uint32_t, std::vector<Reading>> rows_;
  std::string error_;
};

// Passes the rows of another series through, with an empty row at each of
// the given times (oldest first) that the series has no row at.
class GapFilledSeries final : public Series {
 public:
  GapFilledSeries(Series& rows, std::vector<uint32_t> fillTimes) : rows_(rows), fill_(std::move(fillTimes)) {}
  std::span<const SeriesChannel> Channels() const override { return rows_.Channels(); }
  int ForEachRow(const RowFn& row) override;
  const std::string& Error() const override { return rows_.Error(); }
  // Fill rows lie between rows, never after the last.
  std::optional<uint32_t> NewestTime() const override { return rows_.NewestTime(); }

 private:
  Series& rows_;
  std::vector<uint32_t> fill_;
};

}  // namespace zerb
