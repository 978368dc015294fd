#include "history/MergedSeries.h"

namespace zerb {

int MergedSeries::ForEachRow(const RowFn& row) {
  for (const auto& [time, kept] : rows_) {
    anchor_ = static_cast<uint32_t>(kept.anchor);
    if (!row(static_cast<uint32_t>(time), kept.readings)) return 0;
  }
  anchor_.reset();
  return 1;
}

std::optional<uint32_t> MergedSeries::NewestTime() const {
  if (rows_.empty()) return std::nullopt;
  return static_cast<uint32_t>(rows_.rbegin()->first);
}

std::vector<Reading>& MergedSeries::RowAt(int64_t time, int64_t anchor) {
  auto [at, added] = rows_.try_emplace(time);
  if (added) at->second = {anchor, std::vector<Reading>(channels_.size())};
  return at->second.readings;
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
