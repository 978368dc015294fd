#include "history/MergedSeries.h"

namespace zerb {

int MergedSeries::ForEachRow(const RowFn& row) {
  for (const auto& [time, readings] : rows_)
    if (!row(time, readings)) return 0;
  return 1;
}

std::optional<uint32_t> MergedSeries::NewestTime() const {
  if (rows_.empty()) return std::nullopt;
  return rows_.rbegin()->first;
}

std::vector<Reading>& MergedSeries::RowAt(uint32_t time) {
  auto [at, added] = rows_.try_emplace(time);
  if (added) at->second.resize(channels_.size());
  return at->second;
}

int GapFilledSeries::ForEachRow(const RowFn& row) {
  const std::vector<Reading> empty(Channels().size());
  std::size_t next = 0;
  bool stopped = false;
  auto fillUpTo = [&](uint64_t limit) {
    for (; !stopped && next < fill_.size() && fill_[next] < limit; ++next) stopped = !row(fill_[next], empty);
  };
  const int walked = rows_.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    fillUpTo(time);
    if (next < fill_.size() && fill_[next] == time) ++next;
    return !stopped && row(time, readings);
  });
  if (walked != 1) return walked;
  fillUpTo(uint64_t{UINT32_MAX} + 1);
  return stopped ? 0 : 1;
}

}  // namespace zerb
