// bench_history_postgres [URI] [FOLDER]: the history store in a PostgreSQL
// database (URI, else $ZERB32_PG_URI; the database must hold no store yet)
// on the batch of 1,000 logs of 577 rows x 10 channels: import, import
// again (all skipped), export of the whole series; against the floor of
// psql's \copy of the same readings as one CSV into a table of the readings
// table's definition, in one transaction. One run, figures on standard
// output. bench/history-postgres.sh runs it on a throw-away server.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/history/BenchLogs.h"
#include "classic/ConvertFlags.h"
#include "history/Store.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"

namespace {

using namespace zerb::bench;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Runs psql on the database with the given commands (each one -c).
bool Psql(const std::string& uri, const std::vector<std::string>& commands) {
  const char* bindir = std::getenv("ZERB32_PG_BINDIR");
  std::string line = std::string(bindir ? bindir + std::string("/") : "") + "psql -X -q -v ON_ERROR_STOP=1 -d '" + uri + "'";
  for (const std::string& c : commands) line += " -c \"" + c + "\"";
  return std::system((line + " > /dev/null").c_str()) == 0;
}

// The floor: one CSV of every reading into a copy of the readings table.
double FloorSeconds(const std::string& uri, const std::string& csv) {
  if (!Psql(uri, {"CREATE TABLE zerb32_floor (LIKE readings INCLUDING ALL)"})) std::exit(1);
  const auto start = Clock::now();
  if (!Psql(uri, {"BEGIN", "\\copy zerb32_floor FROM '" + csv + "' WITH (FORMAT csv)", "COMMIT"})) std::exit(1);
  const double seconds = Seconds(start);
  Psql(uri, {"DROP TABLE zerb32_floor"});
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const char* envUri = std::getenv("ZERB32_PG_URI");
  const std::string uri = argc > 1 ? argv[1] : envUri ? envUri : "";
  if (uri.empty()) {
    std::printf("bench_history_postgres: no PostgreSQL database given; run bench/history-postgres.sh\n");
    return 0;
  }
  const std::string folder =
      argc > 2 ? argv[2] : (std::filesystem::temp_directory_path() / "zerb32-history-pg-bench").string();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  WriteSite(folder + "/42.STE");
  const auto paths = WriteLogs(folder);
  const double readings = double{Logs} * Rows * Channels;

  auto store = zerb::OpenStore(uri, zerb::StoreAccess::Write);
  auto start = Clock::now();
  for (const auto& path : paths)
    if (store->Import(path, {}).status != zerb::ImportStatus::Imported) return 1;
  const double import = Seconds(start);
  start = Clock::now();
  for (const auto& path : paths)
    if (store->Import(path, {}).status != zerb::ImportStatus::Skipped) return 1;
  const double again = Seconds(start);
  start = Clock::now();
  auto series = store->Export(42, INT64_MIN, INT64_MAX);
  std::FILE* out = std::fopen((folder + "/export.csv").c_str(), "wb");
  zerb::FileSink sink(out);
  if (!series || zerb::WriteTable(*series, zerb::ClassicTable(zerb::DefaultFlags), sink).status != 1) return 1;
  std::fclose(out);
  const double exported = Seconds(start);

  WriteFloorCsv(paths, folder + "/floor.csv");
  const double floor = FloorSeconds(uri, folder + "/floor.csv");
  std::printf("PostgreSQL store, readings: %.0f in %d logs\n", readings, Logs);
  std::printf("import:    %7.2f s  %10.0f readings/s  (%.2fx the floor)\n", import, readings / import, import / floor);
  std::printf("re-import: %7.3f s  %10.3f ms per log (all skipped)\n", again, again * 1000 / Logs);
  std::printf("export:    %7.2f s  %10.0f readings/s\n", exported, readings / exported);
  std::printf("floor:     %7.2f s  %10.0f readings/s  (psql \\copy of one CSV, one transaction)\n", floor,
              readings / floor);
  std::filesystem::remove_all(folder);
  return 0;
}
