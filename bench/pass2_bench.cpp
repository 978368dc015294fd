// Pass 2 (decode, convert, format, write) as CSV and XML over the longest
// log the format allows (65,536 rows of 3 channels) and a wide one (60
// channels), into 64 KiB fwrite blocks to /dev/null; and a floor: the same
// engineering values, computed beforehand, formatted with std::to_chars into
// a 64 KiB buffer written with one fwrite per buffer.
//
// Counters: ns_per_value (time per written channel value, date/time
// included), MB_per_s (output bytes), bytes (output per run).
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "classic/ConvertFlags.h"
#include "classic/CsvWriter.h"
#include "classic/OutputSink.h"
#include "classic/XmlWriter.h"
#include "model/Log.h"
#include "model/Site.h"
#include "series/Series.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "tools/LogWriter.h"

namespace zerb {
namespace {

using Rows = std::vector<std::vector<int16_t>>;

int KeepGoing(uint16_t) { return 0; }

// One column: a device kind and type, and the raw band its values stay in
// so that every text is a number.
struct Column {
  enum Kind { Sensor, Output, Asm } kind;
  uint8_t type;
  int8_t exp;
  int16_t low, high;
};

// A mix of what a site logs: temperatures, humidity, pressure, outputs and
// a set-point.
constexpr std::array<Column, 6> Mix = {{
    {Column::Sensor, 2, 0, 300, 700},    // TS4-C
    {Column::Sensor, 11, 0, 60, 200},    // TS1V2
    {Column::Output, 1, -1, 0, 1000},    // VARIABLE, tenths
    {Column::Sensor, 4, 0, 100, 900},    // RHS5V
    {Column::Sensor, 22, 0, 20, 800},    // SDPL
    {Column::Asm, 0, -1, 150, 250},      // set-point, tenths
}};

// Rows of `channels` columns from the mix, moving by `step` (0 mostly) so
// the codes stay short; as many rows as fit the area, at most 65536.
Rows MakeRows(std::size_t channels, std::size_t maxRows, unsigned stillOneIn) {
  std::mt19937 rng(7);
  Rows rows(1, std::vector<int16_t>(channels));
  for (std::size_t i = 0; i < channels; ++i) {
    const Column& c = Mix[i % Mix.size()];
    rows[0][i] = static_cast<int16_t>((c.low + c.high) / 2);
  }
  std::size_t bits = 0;
  const std::size_t areaBits = 8 * (LogAreaCapacity - 2 * channels - 16);
  while (rows.size() < maxRows) {
    std::vector<int16_t> next = rows.back();
    std::size_t rowBits = 0;
    for (std::size_t i = 0; i < channels; ++i) {
      const Column& c = Mix[i % Mix.size()];
      int step = rng() % stillOneIn == 0 ? static_cast<int>(rng() % 5) - 2 : 0;
      if (next[i] + step < c.low || next[i] + step > c.high) step = -step;
      next[i] = static_cast<int16_t>(next[i] + step);
      rowBits += step == 0 ? 1 : 4;
    }
    if (bits + rowBits > areaBits) break;
    bits += rowBits;
    rows.push_back(std::move(next));
  }
  return rows;
}

struct LoadedLog {
  TSite site;
  std::unique_ptr<TLog> log = std::make_unique<TLog>(site);
  std::vector<std::vector<int>> engineering;  // per row, per channel
  std::vector<int> exponents;
};

// Site devices for the columns, the log loaded, pass 1 run, and every
// engineering value computed for the floor.
std::unique_ptr<LoadedLog> Load(const Rows& rows) {
  auto loaded = std::make_unique<LoadedLog>();
  LogSource source;
  source.interval = 60;
  source.pcTime = 1796040000;
  source.lanTime = source.pcTime - 42;
  source.localLanTime = source.lanTime;
  const std::size_t channels = rows[0].size();
  for (std::size_t i = 0; i < channels; ++i) {
    const Column& c = Mix[i % Mix.size()];
    const std::string name = "Zone" + std::to_string(i) + "/T";
    std::unique_ptr<TDev> device;
    if (c.kind == Column::Sensor) device = std::make_unique<TSensor>();
    if (c.kind == Column::Output) device = std::make_unique<TOutput>();
    if (c.kind == Column::Asm) device = std::make_unique<TAsm>();
    device->SetName(name);
    device->TypeCode = c.type;
    device->ExpByte = c.exp;
    const auto n = static_cast<uint16_t>(i);
    if (c.kind == Column::Sensor) {
      device->Key = static_cast<uint16_t>(n + 1);
      source.sensorSlotsA.push_back(static_cast<uint8_t>(device->Key));
      loaded->site.Sensors.Append(std::move(device));
    } else if (c.kind == Column::Output) {
      device->Key = static_cast<uint16_t>(n + 1);
      source.outputSlotsA.push_back(static_cast<uint8_t>(device->Key));
      loaded->site.Outputs.Append(std::move(device));
    } else {
      device->Key = static_cast<uint16_t>(1 | (n << 9));
      source.asmSlots.push_back(device->Key);
      loaded->site.Asms.Append(std::move(device));
    }
  }
  // The log's columns are sensors, outputs, ASMs: reorder each row to match.
  std::vector<std::size_t> order;
  for (auto kind : {Column::Sensor, Column::Output, Column::Asm})
    for (std::size_t i = 0; i < channels; ++i)
      if (Mix[i % Mix.size()].kind == kind) order.push_back(i);
  for (const auto& row : rows) {
    std::vector<int16_t> ordered;
    for (std::size_t i : order) ordered.push_back(row[i]);
    source.rows.push_back(std::move(ordered));
  }
  std::vector<uint8_t> image = MakeLogImage(source);
  std::FILE* f = fmemopen(image.data(), image.size(), "rb");
  const int ok = f ? loaded->log->Load(f) : 0;
  if (f) std::fclose(f);
  if (ok != 1 || loaded->log->ComputeOldestValues(nullptr) < 0) return nullptr;
  for (const TDev* device : loaded->log->Channels()) loaded->exponents.push_back(device->Exponent());
  for (const auto& row : source.rows) {
    std::vector<int> values;
    for (std::size_t i = 0; i < row.size(); ++i) values.push_back(loaded->log->Channel(i)->Convert(row[i]));
    loaded->engineering.push_back(std::move(values));
  }
  return loaded;
}

const LoadedLog& LongLog() {
  static const auto log = Load(MakeRows(3, 65536, 24));
  return *log;
}
const LoadedLog& WideLog() {
  static const auto log = Load(MakeRows(60, 65536, 6));
  return *log;
}
const LoadedLog& LogOf(const benchmark::State& state) { return state.range(0) == 0 ? LongLog() : WideLog(); }

// Counts what goes to /dev/null through fwrite, in the writers' blocks.
class NullSink final : public OutputSink {
 public:
  NullSink() : stream_(std::fopen("/dev/null", "wb")) {}
  ~NullSink() override { std::fclose(stream_); }
  bool Write(std::string_view bytes) override {
    written += bytes.size();
    return std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size();
  }
  std::size_t written = 0;

 private:
  std::FILE* stream_;
};

void Report(benchmark::State& state, const LoadedLog& loaded, std::size_t bytesPerRun) {
  const double values = static_cast<double>(loaded.engineering.size()) * loaded.log->ChannelCount();
  state.counters["ns_per_value"] =
      benchmark::Counter(values * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["MB_per_s"] =
      benchmark::Counter(static_cast<double>(bytesPerRun) * 1e-6, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["bytes"] = static_cast<double>(bytesPerRun);
  state.counters["ns_per_byte"] = benchmark::Counter(static_cast<double>(bytesPerRun) * 1e-9,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
  state.counters["rows"] = static_cast<double>(loaded.engineering.size());
  state.counters["channels"] = loaded.log->ChannelCount();
}

void BM_Csv(benchmark::State& state, uint16_t flags) {
  const LoadedLog& loaded = LogOf(state);
  std::size_t bytes = 0;
  for (auto _ : state) {
    NullSink sink;
    const int result = WriteCsv(*loaded.log, sink, -1, 0, flags, KeepGoing);
    if (result != 1) state.SkipWithError("WriteCsv failed");
    bytes = sink.written;
  }
  Report(state, loaded, bytes);
}

void BM_Xml(benchmark::State& state, uint16_t flags) {
  const LoadedLog& loaded = LogOf(state);
  std::size_t bytes = 0;
  for (auto _ : state) {
    NullSink sink;
    const int result = WriteXml(*loaded.log, sink, -1, 0, flags, KeepGoing);
    if (result != 1) state.SkipWithError("WriteXml failed");
    bytes = sink.written;
  }
  Report(state, loaded, bytes);
}

// The table writer over the log's series in a style; a zone name adds ISO
// times with offsets in that zone.
void BM_Table(benchmark::State& state, const char* style, const char* zone) {
  const LoadedLog& loaded = LogOf(state);
  TableSettings settings = StyleSettings(style).value();
  if (*zone) settings.zone = {ZoneKind::Named, 0, zone, false};
  std::size_t bytes = 0;
  for (auto _ : state) {
    NullSink sink;
    LogSeries series(*loaded.log, false, -1, 0, KeepGoing);
    if (WriteTable(series, settings, sink).status != 1) state.SkipWithError("WriteTable failed");
    bytes = sink.written;
  }
  Report(state, loaded, bytes);
}

// The row walk alone (decoding, no text): the part of pass 2 the writers
// cannot make cheaper. Out of line, so that a profiler can single it out.
[[gnu::noinline]] int WalkPass(const LoadedLog& loaded) {
  int sum = 0;
  loaded.log->WalkRows(0, -1, 0, KeepGoing, [&](uint32_t, std::span<const int16_t> values) {
    for (int16_t v : values) sum += v;
  });
  return sum;
}

void BM_Walk(benchmark::State& state) {
  const LoadedLog& loaded = LogOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(WalkPass(loaded));
  Report(state, loaded, 0);
}

// The floor: each engineering value as to_chars gives it, a comma after
// it, CR LF after each row; 64 KiB blocks, one fwrite each. Returns the
// bytes written.
[[gnu::noinline]] std::size_t FloorPass(const LoadedLog& loaded, std::FILE* out) {
  static std::array<char, 64 * 1024> buffer;
  std::size_t used = 0;
  std::size_t bytes = 0;
  auto flush = [&] {
    std::fwrite(buffer.data(), 1, used, out);
    bytes += used;
    used = 0;
  };
  for (const auto& row : loaded.engineering) {
    for (int value : row) {
      if (buffer.size() - used < 16) flush();
      char* end = std::to_chars(buffer.data() + used, buffer.data() + buffer.size(), value).ptr;
      *end++ = ',';
      used = static_cast<std::size_t>(end - buffer.data());
    }
    if (buffer.size() - used < 2) flush();
    buffer[used++] = '\r';
    buffer[used++] = '\n';
  }
  flush();
  return bytes;
}

void BM_Floor(benchmark::State& state) {
  const LoadedLog& loaded = LogOf(state);
  std::FILE* null = std::fopen("/dev/null", "wb");
  std::size_t bytes = 0;
  for (auto _ : state) bytes = FloorPass(loaded, null);
  std::fclose(null);
  Report(state, loaded, bytes);
}

// Argument 0: the long log (65,536 rows, 3 channels); 1: the wide log (60
// channels).
BENCHMARK(BM_Floor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Walk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Csv, text, uint16_t{FlagHeaders | FlagDateTime})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Csv, serial, uint16_t{FlagHeaders | FlagDateTime | FlagSerial})
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, classic, "classic", "")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, excel, "excel", "")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, excel_eu, "excel-eu", "")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, pandas, "pandas", "")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, pandas_berlin, "pandas", "Europe/Berlin")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, long, "long", "")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Xml, datetime, uint16_t{FlagDateTime})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Xml, no_datetime, uint16_t{0})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zerb
