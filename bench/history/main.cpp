// bench_history [FOLDER]: the history store on 1,000 logs of 577 rows x 10
// channels (5.77 million readings): import into an empty store, import
// again (every log skipped), export of the whole series; against the floor
// of loading the same readings with sqlite3's own .import of one CSV in one
// transaction into a table of the same definition. One run, figures on
// standard output. Needs the sqlite3 command on the PATH.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <random>
#include <string>

#include "bench/history/BenchLogs.h"
#include "classic/ConvertFlags.h"
#include "history/HistoryLog.h"
#include "history/Store.h"
#include "model/Site.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "tools/LogWriter.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace zerb::bench;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// CPU seconds of this process (or of its finished children).
double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long MaxRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

double FloorSeconds(const std::string& folder) {
  const std::string script = folder + "/floor.sql";
  std::ofstream(script) << "PRAGMA journal_mode = WAL;\nPRAGMA synchronous = NORMAL;\n"
                           "CREATE TABLE readings (site INTEGER NOT NULL, kind INTEGER NOT NULL, key INTEGER NOT NULL,"
                           " time INTEGER NOT NULL, raw INTEGER NOT NULL, value INTEGER, exponent INTEGER NOT NULL,"
                           " import INTEGER NOT NULL, PRIMARY KEY (site, kind, key, time)) WITHOUT ROWID;\n"
                           "BEGIN;\n.mode csv\n.import " + folder + "/floor.csv readings\nCOMMIT;\n";
  const auto start = Clock::now();
  const std::string command = "sqlite3 " + folder + "/floor.db < " + script + " > /dev/null";
  if (std::system(command.c_str()) != 0) std::exit(1);
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "zerb32-history-bench").string();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  WriteSite(folder + "/42.STE");
  const auto paths = WriteLogs(folder);
  const double readings = double{Logs} * Rows * Channels;

  auto store = zerb::OpenStore(folder + "/history.db", zerb::StoreAccess::Write);
  auto start = Clock::now();
  const double cpuBefore = CpuSeconds(RUSAGE_SELF);
  long rssAt100 = 0;
  for (int k = 0; k < Logs; ++k) {
    if (store->Import(paths[static_cast<std::size_t>(k)], {}).status != zerb::ImportStatus::Imported) return 1;
    if (k == 99) rssAt100 = MaxRssKb();
  }
  const double import = Seconds(start);
  const double importCpu = CpuSeconds(RUSAGE_SELF) - cpuBefore;
  const long rssAt1000 = MaxRssKb();
  start = Clock::now();
  for (const auto& path : paths)
    if (store->Import(path, {}).status != zerb::ImportStatus::Skipped) return 1;
  const double again = Seconds(start);
  start = Clock::now();
  auto series = store->Export(42, INT64_MIN, INT64_MAX);
  std::FILE* out = std::fopen((folder + "/export.csv").c_str(), "wb");
  zerb::FileSink sink(out);
  if (zerb::WriteTable(*series, zerb::ClassicTable(zerb::DefaultFlags), sink).status != 1) return 1;
  std::fclose(out);
  const double exported = Seconds(start);

  WriteFloorCsv(paths, folder + "/floor.csv");
  const double floor = FloorSeconds(folder);
  const double floorCpu = CpuSeconds(RUSAGE_CHILDREN);
  std::printf("readings: %.0f in %d logs\n", readings, Logs);
  std::printf("import:    %7.2f s  %10.0f readings/s  (%.2fx the floor)\n", import, readings / import, import / floor);
  std::printf("re-import: %7.3f s  %10.3f ms per log (all skipped)\n", again, again * 1000 / Logs);
  std::printf("export:    %7.2f s  %10.0f readings/s\n", exported, readings / exported);
  std::printf("floor:     %7.2f s  %10.0f readings/s  (sqlite3 .import of one CSV, one transaction)\n", floor,
              readings / floor);
  std::printf("CPU time:  import %.2f s, floor %.2f s (%.2fx)\n", importCpu, floorCpu, importCpu / floorCpu);
  std::printf("peak memory: %ld kB after 100 logs, %ld kB after 1000\n", rssAt100, rssAt1000);
  std::filesystem::remove_all(folder);
  return 0;
}
