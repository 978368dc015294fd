// The command line's whole run over one log file, without starting a
// process: open (site file and log), pass 1 and pass 2 into /dev/null, as
// ConvertToFile does for a device. The log is the file that the environment
// variable ZERB32_BENCH_LOG names (bench/python_read_bench.py sets it, to
// compare the Python module's read_log with the converter on the same file).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "app/Conversion.h"
#include "app/Document.h"

namespace zerb {
namespace {

void BM_ConvertToDevNull(benchmark::State& state) {
  const char* path = std::getenv("ZERB32_BENCH_LOG");
  if (path == nullptr) {
    state.SkipWithError("set ZERB32_BENCH_LOG to a log file");
    return;
  }
  Document document;
  for (auto _ : state) {
    if (!document.Open(path).logLoaded) {
      state.SkipWithError("the log does not load");
      return;
    }
    const RunResult result = ConvertToFile(document.Log(), path, "/dev/null", ConvertOptions{}, nullptr);
    if (result.status != RunStatus::Done) state.SkipWithError(result.error.c_str());
  }
  state.counters["rows"] = document.Log().GetEntryCount() + 1.0;
}
BENCHMARK(BM_ConvertToDevNull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zerb
