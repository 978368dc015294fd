#pragma once
// One test source for every store engine: SQLite always, PostgreSQL where
// the test cluster runs (tools/pg-test-cluster.sh); new store locations and
// a series written out as text to compare.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "history/Store.h"
#include "postgres/PgServer.h"
#include "support/TempDir.h"

namespace zerb::historytest {

using test::TempDir;

struct Engine {
  const char* name;
  bool postgres;
};

// A new location of a store that does not exist yet.
inline std::string NewLocation(const Engine& engine, const TempDir& folder) {
  static int count = 0;
  return engine.postgres ? test::PgUri(test::NewPgDatabase()) : folder.File(std::to_string(++count) + ".db");
}

// Marks an existing store as made by a later version of the schema.
inline void SetNewerSchema(const Engine& engine, const std::string& location) {
  if (engine.postgres) {
    test::PgSql(location.substr(location.find("///") + 3, location.find('?') - location.find("///") - 3),
                "UPDATE zerb32_store SET schema_version = schema_version + 1");
  } else {
    const auto run = test::RunProcess("/usr/bin/sqlite3", {location, "PRAGMA user_version = 999"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }
}

// A series as text: its channels, then each row's time and readings.
inline std::string Dump(Series& series) {
  std::string text;
  for (const SeriesChannel& c : series.Channels())
    text += std::to_string(static_cast<int>(c.kind)) + "/" + std::to_string(c.key) + " " + c.name + " " + c.typeName +
            " " + c.unitsLetter + std::to_string(c.exponent) + (c.digital ? "d" : "") + "\n";
  const int walked = series.ForEachRow([&](uint32_t time, std::span<const Reading> readings) {
    text += std::to_string(time);
    for (const Reading& r : readings)
      text += r.present ? " " + std::to_string(r.raw) + (r.valid ? "=" + std::to_string(r.value) : "") + "e" +
                              std::to_string(r.exponent)
                        : " -";
    text += "\n";
    return true;
  });
  EXPECT_EQ(walked, 1) << series.Error();
  return text;
}

// A series as Dump writes it, each row followed by its anchor.
inline std::string DumpWithAnchors(Series& series) {
  std::vector<std::string> anchors;
  const int walked = series.ForEachRow([&](uint32_t, std::span<const Reading>) {
    const auto anchor = series.RowAnchor();
    anchors.push_back(anchor ? std::to_string(*anchor) : "-");
    return true;
  });
  EXPECT_EQ(walked, 1) << series.Error();
  std::istringstream lines(Dump(series));
  std::string text, line;
  for (std::size_t row = 0; std::getline(lines, line); ++row) {
    const std::size_t header = series.Channels().size();
    text += line + (row >= header && row - header < anchors.size() ? " @" + anchors[row - header] : "") + "\n";
  }
  return text;
}

// SQL run on the store by the engine's own client: rows of fields
// separated by '|', one per line.
inline std::string Sql(const Engine& engine, const std::string& location, const std::string& sql) {
  if (engine.postgres)
    return test::PgSql(location.substr(location.find("///") + 3, location.find('?') - location.find("///") - 3), sql);
  const auto run = test::RunProcess("/usr/bin/sqlite3", {location, sql});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return run.out;
}

// Skips a PostgreSQL case outside the test cluster.
#define ZERB32_NEED_ENGINE(engine)                                           \
  if ((engine).postgres && test::PgEnv("ZERB32_PG_URI").empty())             \
  GTEST_SKIP() << "no PostgreSQL test cluster (run under tools/pg-test-cluster.sh)"

inline std::string EngineName(const ::testing::TestParamInfo<Engine>& p) { return p.param.name; }

}  // namespace zerb::historytest
