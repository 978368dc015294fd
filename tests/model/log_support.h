#pragma once
// Helpers of the log tests: loading an image through a stream, random rows,
// and the rows a walk writes.

#include <cstdio>
#include <memory>
#include <random>
#include <span>
#include <utility>
#include <vector>

#include "model/Log.h"
#include "tools/LogWriter.h"

namespace zerb::logtest {

using Rows = std::vector<std::vector<int16_t>>;

// A read stream over the bytes (an empty image is an empty temporary file).
inline std::unique_ptr<std::FILE, int (*)(std::FILE*)> OpenImage(const std::vector<uint8_t>& image) {
  std::FILE* f = nullptr;
  if (image.empty()) {
    f = std::tmpfile();
  } else {
    f = fmemopen(const_cast<uint8_t*>(image.data()), image.size(), "rb");
  }
  return {f, &std::fclose};
}

inline int LoadImage(TLog& log, const std::vector<uint8_t>& image) {
  auto stream = OpenImage(image);
  return stream ? log.Load(stream.get()) : -99;
}

inline int NoStop(uint16_t) { return 0; }

struct WrittenRow {
  uint32_t time;
  std::vector<int16_t> values;
  bool operator==(const WrittenRow&) const = default;
};

// Runs the walk and collects what it writes.
inline std::pair<int, std::vector<WrittenRow>> Walk(TLog& log, uint32_t endTime, int overlap = -1,
                                                    uint16_t skip = 0, ProgressCallback callback = NoStop) {
  std::vector<WrittenRow> rows;
  const int result = log.WalkRows(endTime, overlap, skip, callback, [&](uint32_t t, std::span<const int16_t> v) {
    rows.push_back({t, std::vector<int16_t>(v.begin(), v.end())});
  });
  return {result, rows};
}

// A difference from code class k (0 to 4) of the given magnitude range.
inline int16_t RandomDifference(std::mt19937& rng, unsigned k) {
  static constexpr int lo[] = {0, 1, 3, 11, 139};
  static constexpr int hi[] = {0, 2, 10, 138, 32767};
  const int magnitude = std::uniform_int_distribution<int>(lo[k], hi[k])(rng);
  return static_cast<int16_t>(rng() & 1 ? -magnitude : magnitude);
}

// `count` rows of `channels` values: a random first row (often near the
// 16-bit ends) and differences of every code class, wrapping in 16 bits.
inline Rows RandomRows(std::mt19937& rng, std::size_t count, std::size_t channels) {
  Rows rows(count, std::vector<int16_t>(channels));
  for (auto& v : rows[0]) {
    const int pick = static_cast<int>(rng() % 3);
    v = static_cast<int16_t>(pick == 0 ? 32767 - static_cast<int>(rng() % 4)
                                       : pick == 1 ? -32768 + static_cast<int>(rng() % 4) : static_cast<int>(rng()));
  }
  for (std::size_t r = 1; r < count; ++r)
    for (std::size_t i = 0; i < channels; ++i)
      rows[r][i] = static_cast<int16_t>(rows[r - 1][i] + RandomDifference(rng, static_cast<unsigned>(rng() % 5)));
  return rows;
}

// A source with `sensors` sensor slots keyed 1, 2, ... and the rows.
inline LogSource SensorSource(const Rows& rows) {
  LogSource source;
  source.description = "Test log";
  for (std::size_t i = 0; i < (rows.empty() ? 0 : rows[0].size()); ++i)
    source.sensorSlotsA.push_back(static_cast<uint8_t>(i + 1));
  source.rows = rows;
  return source;
}

}  // namespace zerb::logtest
