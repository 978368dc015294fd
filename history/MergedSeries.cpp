#include "history/MergedSeries.h"

#include <algorithm>

namespace zerb {

MergedSeries::MergedSeries(std::vector<SeriesChannel> channels, std::vector<int64_t> times)
    : channels_(std::move(channels)),
      times_(std::move(times)),
      anchors_(times_.size(), NoAnchor),
      readings_(times_.size() * channels_.size()) {}

int MergedSeries::ForEachRow(const RowFn& row) {
  for (std::size_t i = 0; i < times_.size(); ++i) {
    anchor_ = static_cast<uint32_t>(anchors_[i]);
    if (!row(static_cast<uint32_t>(times_[i]), Row(i))) return 0;
  }
  anchor_.reset();
  return 1;
}

std::optional<uint32_t> MergedSeries::NewestTime() const {
  if (times_.empty()) return std::nullopt;
  return static_cast<uint32_t>(times_.back());
}

std::size_t MergedSeries::Search(int64_t time, std::size_t hint) const {
  const auto from = hint < times_.size() && times_[hint] <= time ? times_.begin() + static_cast<std::ptrdiff_t>(hint)
                                                                 : times_.begin();
  return static_cast<std::size_t>(std::lower_bound(from, times_.end(), time) - times_.begin());
}

void MergedSeries::DropRowsWithoutLog() {
  const std::size_t width = channels_.size();
  const auto first = std::find(anchors_.begin(), anchors_.end(), NoAnchor);
  std::size_t kept = static_cast<std::size_t>(first - anchors_.begin());
  for (std::size_t i = kept; i < times_.size(); ++i) {
    if (anchors_[i] == NoAnchor) continue;
    if (kept != i) {
      times_[kept] = times_[i];
      anchors_[kept] = anchors_[i];
      std::copy_n(readings_.begin() + static_cast<std::ptrdiff_t>(i * width), width,
                  readings_.begin() + static_cast<std::ptrdiff_t>(kept * width));
    }
    ++kept;
  }
  times_.resize(kept);
  anchors_.resize(kept);
  readings_.resize(kept * width);
}

int GapFilledSeries::ForEachRow(const RowFn& row) {
  const std::vector<Reading> empty(Channels().size());
  std::size_t next = 0;
  bool stopped = false;
  auto fillUpTo = [&](int64_t limit) {
    for (; !stopped && next < fill_.size() && fill_[next] < limit; ++next)
      stopped = !row(static_cast<uint32_t>(fill_[next]), empty);
  };
  int64_t last = origin_;
  const int walked = rows_.ForEachRow([&](uint32_t clock, std::span<const Reading> readings) {
    last += static_cast<uint32_t>(clock - static_cast<uint32_t>(last));  // rows only move forward
    fillUpTo(last);
    if (next < fill_.size() && fill_[next] == last) ++next;
    return !stopped && row(clock, readings);
  });
  if (walked != 1) return walked;
  fillUpTo(INT64_MAX);
  return stopped ? 0 : 1;
}

}  // namespace zerb
