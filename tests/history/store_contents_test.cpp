// What a store holds after overlapping logs, on every engine, against the
// contents recorded in tests/history/stores/overlapping-logs.txt: the
// exported series with each row's anchor, and every table and view users
// query (a reading with the import holding it), with imports named by
// their log and meanings by what they mean,
// so the record holds for any import order. The logs bring conflicts, an
// overlap off the grid, a log without its site file (decoded again twice as
// complete descriptions arrive) and a channel whose meaning changes.
// ZERB32_RECORD_STORE=1 writes the record anew from the SQLite store.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "history/Merge.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "support/Files.h"

namespace zerb::historytest {
namespace {

namespace fs = std::filesystem;

constexpr const char* Record = "tests/history/stores/overlapping-logs.txt";

// The tables and views as users read them. F stands for the logs' folder.
constexpr struct {
  const char* name;
  const char* sql;
} Tables[] = {
    {"sites", "SELECT site, name, name_end FROM sites"},
    {"imports",
     "SELECT replace(log_path, 'F', ''), site, content_hash, coalesce(replace(site_file, 'F', ''), '-'), time_base, "
     "first_time, last_time, interval_seconds, readings, conflicts, site_description, coalesce(legacy_hash, '-') "
     "FROM imports"},
    {"meanings",
     "SELECT site, kind, key, type_name, units, exponent, CASE WHEN digital THEN 1 ELSE 0 END FROM meanings"},
    {"import_channels",
     "SELECT replace(i.log_path, 'F', ''), c.position, c.kind, c.key, c.name, c.type_code, c.exp_byte, c.units_byte, "
     "c.description, m.type_name, m.units, m.exponent FROM import_channels c JOIN imports i ON i.id = c.import "
     "JOIN meanings m ON m.id = c.meaning"},
    {"channels",
     "SELECT site, kind, key, name, type_name, units, exponent, CASE WHEN digital THEN 1 ELSE 0 END, source_end, "
     "source_hash FROM channels"},
    {"readings",
     "SELECT r.site, r.kind, r.key, r.time, r.raw, r.value, r.exponent, replace(i.log_path, 'F', ''), m.type_name, "
     "m.units, m.exponent FROM readings r JOIN imports i ON i.id = (SELECT h.import FROM holdings h "
     "WHERE h.site = r.site AND h.kind = r.kind AND h.key = r.key AND h.first_time <= r.time "
     "ORDER BY h.first_time DESC LIMIT 1) JOIN meanings m ON m.id = r.meaning"},
    {"conflicts",
     "SELECT c.site, c.kind, c.key, c.time, c.kept_raw, c.other_raw, replace(k.log_path, 'F', ''), "
     "replace(o.log_path, 'F', '') FROM conflicts c JOIN imports k ON k.id = c.kept_import "
     "JOIN imports o ON o.id = c.other_import"},
    {"channel_names", "SELECT site, kind, key, name, first_time, last_time FROM channel_names"},
    {"channel_descriptions",
     "SELECT site, kind, key, name, type_name, units, exponent, CASE WHEN digital THEN 1 ELSE 0 END, description, "
     "first_time, last_time FROM channel_descriptions"},
};

class StoreContents : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    const auto series = LongSeries(60, 23);
    auto conflicting = series;
    for (auto& row : conflicting) row[0] = static_cast<int16_t>(row[0] + 5);
    auto offGrid = CutLog(series, 44, 50, true);
    for (const std::size_t at : {102, 106, 110}) {  // its three clocks, 100 s later
      uint32_t time = 0;
      for (std::size_t i = 4; i-- > 0;) time = time << 8 | offGrid[at + i];
      time += 100;
      for (std::size_t i = 0; i < 4; ++i) offGrid[at + i] = static_cast<uint8_t>(time >> (8 * i));
    }
    // In the order of the first import: the log without its site file comes
    // first, kept with default channels, and is decoded again by a and by b.
    const struct {
      const char* name;
      std::vector<uint8_t> image;
      int site;  // version of its site file, 0 none
    } logs[] = {{"42_f.log", CutLog(series, 24, 38, true), 0},   {"42_a.log", CutLog(series, 0, 24, false), 1},
                {"42_b.log", CutLog(series, 16, 30, true), 2},   {"42_c.log", CutLog(series, 36, 59, true), 3},
                {"42_d.log", CutLog(conflicting, 6, 20, false), 1}, {"42_e.log", offGrid, 3}};
    for (const auto& log : logs) {
      const std::string dir = folder.File("v" + std::to_string(log.site));
      fs::create_directories(dir);
      if (log.site > 0) WriteSiteFile(dir + "/42.STE", log.site);
      paths.push_back(dir + "/" + log.name);
      ASSERT_TRUE(WriteLogFile(paths.back(), log.image));
    }
  }

  // The store's contents as the record holds them.
  std::string Contents(Store& store, const std::string& location) {
    std::string text = "== export\n" + DumpWithAnchors(*store.Export(42, INT64_MIN, INT64_MAX));
    for (const auto& table : Tables) {
      std::string sql = table.sql;
      for (std::size_t at; (at = sql.find("'F'")) != std::string::npos;) sql.replace(at, 3, "'" + folder.Path() + "/'");
      std::istringstream out(Sql(GetParam(), location, sql + " ORDER BY 1"));
      std::vector<std::string> rows;
      for (std::string line; std::getline(out, line);) rows.push_back(line);
      std::sort(rows.begin(), rows.end());
      text += std::string("== ") + table.name + "\n";
      for (const std::string& row : rows) text += row + "\n";
    }
    return text;
  }

  TempDir folder;
  std::vector<std::string> paths;
};

// The record holds both orders: a log wholly dropped by a newer one off its
// grid counts the readings it had when it came first, and the meanings of
// a log kept with default channels stay when it is decoded again.
TEST_P(StoreContents, OverlappingLogsLeaveTheRecordedContents) {
  const HistoryLogOptions options{false, false, true};
  const bool record = !test::PgEnv("ZERB32_RECORD_STORE").empty() && !GetParam().postgres;
  MergeResult merged = MergeLogs(paths, options);
  ASSERT_EQ(merged.merged, paths.size());
  std::vector<std::string> order = paths;
  std::string contents;
  for (const char* name : {"as listed", "reversed"}) {
    SCOPED_TRACE(name);
    const std::string location = NewLocation(GetParam(), folder);
    auto store = OpenStore(location, StoreAccess::Write);
    for (const std::string& path : order) {
      const ImportOutcome outcome = store->Import(path, options);
      ASSERT_EQ(outcome.status, ImportStatus::Imported) << path << ": " << outcome.reason;
    }
    const std::string stored = Contents(*store, location);
    // merge of the same logs is the stored series
    EXPECT_EQ("== export\n" + DumpWithAnchors(merged.series), stored.substr(0, stored.find("== sites")));
    contents += std::string("#### ") + name + "\n" + stored;
    std::reverse(order.begin(), order.end());
  }
  if (record) test::WriteFile(test::SourcePath(Record), contents);
  EXPECT_EQ(contents, test::ReadFile(test::SourcePath(Record)));
}

INSTANTIATE_TEST_SUITE_P(Engines, StoreContents,
                         ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}), EngineName);

}  // namespace
}  // namespace zerb::historytest
