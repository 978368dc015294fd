#include "series/SelectedSeries.h"

namespace zerb {

SelectedSeries::SelectedSeries(Series& rows, const RowSelection& selection)
    : rows_(rows), from_(selection.from.value_or(0)), to_(selection.to.value_or(UINT32_MAX)) {
  if (!selection.channels) return;
  const std::span<const SeriesChannel> all = rows.Channels();
  columns_.emplace();
  for (std::size_t column : *selection.channels) {
    if (column >= all.size()) continue;
    columns_->push_back(column);
    channels_.push_back(all[column]);
  }
}

std::span<const SeriesChannel> SelectedSeries::Channels() const {
  return columns_ ? std::span<const SeriesChannel>(channels_) : rows_.Channels();
}

int SelectedSeries::ForEachRow(const RowFn& row) {
  std::vector<Reading> chosen(columns_ ? columns_->size() : 0);
  bool pastTheEnd = false, stopped = false;
  const int walked = rows_.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    if (time < from_) return true;
    if (time > to_) {
      pastTheEnd = true;
      return false;
    }
    if (!columns_) {
      stopped = !row(time, readings);
      return !stopped;
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
      const std::size_t column = (*columns_)[i];
      chosen[i] = column < readings.size() ? readings[column] : Reading{};
    }
    stopped = !row(time, chosen);
    return !stopped;
  });
  return walked == 0 && pastTheEnd && !stopped ? 1 : walked;
}

}  // namespace zerb
