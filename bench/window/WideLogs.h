#pragma once
// Wide logs for the window's benchmarks: N channels (sensors in both
// groups, a quarter of them on/off outputs), as many rows as the data area
// holds, values drifting and switching as a site's do.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/LogWriter.h"

namespace zerb::bench {

inline LogSource WideSource(unsigned channels, std::size_t rows) {
  LogSource source;
  source.description = "Wide log";
  source.interval = 300;
  source.pcTime = 1790000000;
  source.lanTime = source.pcTime;
  const unsigned outputs = channels / 4, sensors = channels - outputs;
  for (unsigned i = 0; i < sensors; ++i)
    (i % 2 ? source.sensorSlotsB : source.sensorSlotsA).push_back(static_cast<uint8_t>(8 + i / 2));
  for (unsigned i = 0; i < outputs; ++i)
    (i % 2 ? source.outputSlotsB : source.outputSlotsA).push_back(static_cast<uint8_t>(8 + i / 2));
  std::vector<int16_t> row(channels);
  for (unsigned c = 0; c < channels; ++c) row[c] = c < sensors ? static_cast<int16_t>(400 + 3 * c) : 0;
  for (std::size_t r = 0; r < rows; ++r) {
    for (unsigned c = 0; c < channels; ++c) {
      if ((r + c) % 12 != 0) continue;
      if (c < sensors) row[c] = static_cast<int16_t>(row[c] + ((r / 96 + c) % 2 ? 1 : -1));
      else row[c] = static_cast<int16_t>((r / 24 + c) % 3 == 0);
    }
    source.rows.push_back(row);
  }
  return source;
}

// The log of `channels` channels with the most rows its data area holds.
inline std::vector<uint8_t> WidestLog(unsigned channels) {
  std::size_t low = 2, high = 65536;
  while (high - low > 1) {
    const std::size_t middle = (low + high) / 2;
    try {
      EncodeLog(WideSource(channels, middle));
      low = middle;
    } catch (const std::length_error&) {
      high = middle;
    }
  }
  return MakeLogImage(WideSource(channels, low));
}

}  // namespace zerb::bench
