// Opening the largest log a header allows (65,536 rows) for the window:
// pass 1 alone against pass 1 plus the preview's plot data as the window
// makes them (every row in memory from pass 1's decoding, then each
// channel's lines cut to a 1,000-pixel plot).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "model/Log.h"
#include "model/Site.h"
#include "tools/LogWriter.h"
#include "chart/PreviewData.h"

namespace zerb {
namespace {

constexpr std::size_t Channels = 3;

// 65536 rows of slow drifts with a jump every 1000 rows, as a long log has.
std::vector<uint8_t> LargestLog() {
  LogSource source;
  source.pcTime = 1700000000;
  std::vector<int16_t> row(Channels, 200);
  for (std::size_t i = 0; i < Channels; ++i) source.sensorSlotsA.push_back(static_cast<uint8_t>(i + 1));
  for (std::size_t r = 0; r < 65536; ++r) {
    for (std::size_t i = 0; i < Channels; ++i) {
      if ((r + i) % 16 == 0) row[i] = static_cast<int16_t>(row[i] + ((r & 16) ? 1 : -1));
      if ((r + i) % 1000 == 0) row[i] = static_cast<int16_t>(row[i] + ((r & 1024) ? 40 : -40));
    }
    source.rows.push_back(row);
  }
  return MakeLogImage(source);
}

// Loads the image into a fresh site and log, as an open does.
bool Open(std::vector<uint8_t>& image, TSite& site, TLog& log) {
  site.Reset();
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  const int ok = log.Load(f);
  std::fclose(f);
  return ok == 1;
}

void BM_OpenPass1(benchmark::State& state) {
  std::vector<uint8_t> image = LargestLog();
  TSite site;
  TLog log(site);
  for (auto _ : state) {
    if (!Open(image, site, log)) return state.SkipWithError("the log did not load");
    benchmark::DoNotOptimize(log.ComputeOldestValues(nullptr));
  }
}
BENCHMARK(BM_OpenPass1)->Unit(benchmark::kMillisecond);

void BM_OpenPass1AndPlotData(benchmark::State& state) {
  std::vector<uint8_t> image = LargestLog();
  TSite site;
  TLog log(site);
  std::size_t points = 0;
  for (auto _ : state) {
    if (!Open(image, site, log)) return state.SkipWithError("the log did not load");
    const PreviewData data = OpenPreview(log, false);
    if (!data.error.empty()) return state.SkipWithError(data.error.c_str());
    points = 0;
    for (std::size_t c = 0; c < data.channels.size(); ++c)
      for (const PlotLine& line : ChannelLines(data, c, double(data.times.front()), double(data.times.back()), 1000))
        points += line.size();
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = double(points);
}
BENCHMARK(BM_OpenPass1AndPlotData)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zerb
