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

#include "history/HistoryLog.h"
#include "history/Store.h"
#include "model/Site.h"
#include "output/ConvertFlags.h"
#include "table/Styles.h"
#include "table/TableWriter.h"
#include "tools/LogWriter.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Logs = 1000;
constexpr int Rows = 577;
constexpr int Channels = 10;
constexpr uint16_t Interval = 300;
constexpr uint32_t FirstTime = 1700000000;

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

void WriteSite(const std::string& path) {
  zerb::TSite site;
  site.SetName("Benchmark site");
  for (uint16_t key = 1; key <= 6; ++key) {
    auto s = std::make_unique<zerb::TSensor>();
    s->Key = key;
    s->TypeCode = 2;
    s->SetDefaultName();
    site.Sensors.Append(std::move(s));
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || site.Save(f) != 1) std::exit(1);
  std::fclose(f);
}

// Log k holds rows 577k .. 577k + 576 of one series: no two logs overlap.
std::vector<std::string> WriteLogs(const std::string& folder) {
  std::mt19937 random(1);
  std::vector<int> value(Channels, 500);
  std::vector<std::string> paths;
  for (int k = 0; k < Logs; ++k) {
    zerb::LogSource s;
    s.interval = Interval;
    s.pcTime = FirstTime + static_cast<uint32_t>((k + 1) * Rows - 1) * Interval;
    s.lanTime = s.pcTime;
    s.sensorSlotsA = {1, 2, 3, 4, 5, 6};
    s.outputSlotsA = {8, 9};
    s.asmSlots = {0x0622, 0x0623};
    for (int r = 0; r < Rows; ++r) {
      for (int& v : value) v = std::clamp(v + static_cast<int>(random() % 9) - 4, 0, 1000);
      s.rows.emplace_back(value.begin(), value.end());
    }
    paths.push_back(folder + "/42_" + std::to_string(k) + ".log");
    if (!zerb::WriteLogFile(paths.back(), zerb::MakeLogImage(s))) std::exit(1);
  }
  return paths;
}

// The same readings as CSV rows of the store's readings table.
void WriteFloorCsv(const std::vector<std::string>& paths, const std::string& csv) {
  std::ofstream out(csv, std::ios::binary);
  zerb::HistoryLog log;
  int64_t import = 0;
  for (const std::string& path : paths) {
    if (!log.Open(path, {})) std::exit(1);
    ++import;
    const auto channels = log.Channels();
    log.Rows().ForEachRow([&](uint32_t time, std::span<const zerb::Reading> readings) {
      for (std::size_t i = 0; i < readings.size(); ++i) {
        out << 42 << ',' << static_cast<int>(channels[i].kind) << ',' << channels[i].key << ',' << time << ','
            << readings[i].raw << ',';
        if (readings[i].valid) out << readings[i].value;
        out << ',' << int{readings[i].exponent} << ',' << import << '\n';
      }
      return true;
    });
  }
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
  auto series = store->Export(42, 0, UINT32_MAX);
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
