#pragma once
// LogSeries::WalkCounts and WalkReadings, for the callers that inline their
// row function.

#include <cstdint>
#include <span>
#include <vector>

#include "series/ReadingRule.h"
#include "series/Series.h"

namespace zerb {

template <class Row>
int LogSeries::WalkCounts(Row&& row) {
  error_.clear();
  bool stopped = false;
  const int walked =
      log_.WalkRows(*NewestTime(), overlap_, skip_, callback_, [&](uint32_t time, std::span<const int16_t> counts) {
        if (!stopped) stopped = !row(time, counts);
      });
  if (walked == 0 && WalkFailed() < 0) return -1;
  return walked == 1 && !stopped ? 1 : 0;
}

template <class Row>
int LogSeries::WalkReadings(Row&& row) {
  const std::span<TDev* const> devices = log_.Channels();
  std::vector<Reading> readings(devices.size());
  std::vector<ReadingRule> rules;
  for (const TDev* device : devices) rules.emplace_back(*device);
  // A reading depends on the device and the raw count alone: it is made
  // again only when a channel's count changes. The changed channels are
  // listed first without a branch per channel (whether a count changed is
  // as good as random, and a mispredicted branch costs more than the test).
  std::vector<int16_t> last(devices.size());
  std::vector<uint32_t> changed(devices.size());
  bool first = true;
  return WalkCounts([&](uint32_t time, std::span<const int16_t> values) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      changed[count] = static_cast<uint32_t>(i);
      count += first || values[i] != last[i] ? 1 : 0;
    }
    for (std::size_t k = 0; k < count; ++k) {
      const uint32_t i = changed[k];
      readings[i] = rules[i].Cached(values[i]);
      last[i] = values[i];
    }
    first = false;
    return row(time, std::span<const Reading>(readings), std::span<const uint32_t>(changed.data(), count));
  });
}

}  // namespace zerb
