// Pass 1 (and the row walk without text) over logs as long and as wide as
// the format allows. The counter time_per_value is the time per decoded value.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "model/Log.h"
#include "model/Site.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

using Rows = std::vector<std::vector<int16_t>>;

int KeepGoing(uint16_t) { return 0; }

// 65536 rows: mostly unchanged values, a step of 1 every 16 rows and a jump
// every 1000, so that the codes fill most of the 32768-byte area.
Rows LongRows(std::size_t channels) {
  Rows rows(65536, std::vector<int16_t>(channels));
  for (std::size_t r = 1; r < rows.size(); ++r) {
    rows[r] = rows[r - 1];
    for (std::size_t i = 0; i < channels; ++i) {
      if ((r + i) % 16 == 0) rows[r][i] = static_cast<int16_t>(rows[r][i] + ((r & 16) ? 1 : -1));
      if ((r + i) % 1000 == 0) rows[r][i] = static_cast<int16_t>(rows[r][i] + 400);
    }
  }
  return rows;
}

// 60 channels of small random moves (codes of 1 to 12 bits), as many rows
// as fit the area.
Rows WideRows() {
  std::mt19937 rng(3);
  const std::size_t channels = 60;
  Rows rows(1, std::vector<int16_t>(channels, 200));
  std::size_t bits = 0;
  for (;;) {
    std::vector<int16_t> next = rows.back();
    for (auto& v : next) {
      const int pick = static_cast<int>(rng() % 8);
      const int step = pick < 4 ? 0 : pick < 6 ? 1 : pick < 7 ? 5 : 40;
      v = static_cast<int16_t>(v + ((rng() & 1) ? step : -step));
      bits += step == 0 ? 1 : step <= 2 ? 4 : step <= 10 ? 7 : 12;
    }
    if (bits / 8 + 16 > 32768 - 2 * channels) break;
    rows.push_back(std::move(next));
  }
  return rows;
}

struct LoadedLog {
  TSite site;
  std::unique_ptr<TLog> log = std::make_unique<TLog>(site);
};

std::unique_ptr<LoadedLog> Load(const Rows& rows) {
  LogSource source;
  for (std::size_t i = 0; i < rows[0].size(); ++i) source.sensorSlotsA.push_back(static_cast<uint8_t>(i + 1));
  source.rows = rows;
  std::vector<uint8_t> image = MakeLogImage(source);
  auto loaded = std::make_unique<LoadedLog>();
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  const int ok = loaded->log->Load(f);
  std::fclose(f);
  if (ok != 1) return nullptr;
  return loaded;
}

void Report(benchmark::State& state, const TLog& log) {
  const double values = static_cast<double>(log.GetEntryCount()) * log.ChannelCount();
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * values));
  state.counters["data_bytes"] = log.DataSize();
  state.counters["time_per_value"] =
      benchmark::Counter(values, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void RunPass1(benchmark::State& state, const Rows& rows) {
  const auto loaded = Load(rows);
  if (!loaded) return state.SkipWithError("the log did not load");
  for (auto _ : state) benchmark::DoNotOptimize(loaded->log->ComputeOldestValues(KeepGoing));
  Report(state, *loaded->log);
}

void RunWalk(benchmark::State& state, const Rows& rows) {
  const auto loaded = Load(rows);
  if (!loaded || loaded->log->ComputeOldestValues(KeepGoing) < 0) return state.SkipWithError("the log did not load");
  for (auto _ : state) {
    int64_t sum = 0;
    loaded->log->WalkRows(0, -1, 0, KeepGoing, [&](uint32_t, std::span<const int16_t> v) { sum += v[0]; });
    benchmark::DoNotOptimize(sum);
  }
  Report(state, *loaded->log);
}

void BM_Pass1Long(benchmark::State& state) { RunPass1(state, LongRows(static_cast<std::size_t>(state.range(0)))); }
BENCHMARK(BM_Pass1Long)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_Pass1Wide(benchmark::State& state) { RunPass1(state, WideRows()); }
BENCHMARK(BM_Pass1Wide)->Unit(benchmark::kMicrosecond);

void BM_RowWalkLong(benchmark::State& state) { RunWalk(state, LongRows(3)); }
BENCHMARK(BM_RowWalkLong)->Unit(benchmark::kMicrosecond);

void BM_RowWalkWide(benchmark::State& state) { RunWalk(state, WideRows()); }
BENCHMARK(BM_RowWalkWide)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zerb
