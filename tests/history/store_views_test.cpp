// The store as SQL and dashboards read it, on every engine from one source:
// reading_values gives what an export gives (names, units as text, values,
// and with a zone the instants of an export with --tz), site_gaps the gaps
// `history` reports, each site keeps one zone, and every table, view and
// column is described in the store itself.

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "classic/OutputSink.h"
#include "series/CivilTime.h"
#include "history/Spans.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "styles/Styles.h"
#include "styles/TableWriter.h"
#include "styles/ZoneClock.h"

namespace zerb::historytest {
namespace {

// Seconds of a civil time or instant column, read back as an integer.
std::string Seconds(const Engine& engine, const char* column) {
  return engine.postgres ? std::string("extract(epoch FROM ") + column + ")::bigint"
                         : std::string("CAST(strftime('%s', ") + column + ") AS INTEGER)";
}

std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '|');) fields.push_back(field);
    if (!line.empty() && line.back() == '|') fields.push_back("");
    rows.push_back(fields);
  }
  return rows;
}

class StoreViews : public ::testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    ZERB32_NEED_ENGINE(GetParam());
    WriteSiteFile(folder.File("42.STE"), 1);
    series = LongSeries(400, 9);
    location = NewLocation(GetParam(), folder);
  }
  // A log of `rows` rows whose newest row is at `newest` (civil).
  std::string Log(const std::string& name, uint32_t newest, std::size_t rows) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteLogFile(path, ClockLog(series, newest, Interval, rows)));
    return path;
  }
  ImportOutcome Import(const std::string& log, const std::string& zone) {
    HistoryLogOptions options;
    options.zone = zone;
    return OpenStore(location, StoreAccess::Write)->Import(log, options);
  }
  std::string Sql(const std::string& sql) { return historytest::Sql(GetParam(), location, sql); }
  // The stored series of site 42 as the settings write it.
  std::string Export(const TableSettings& settings) {
    StringSink out;
    const auto store = OpenStore(location, StoreAccess::ReadOnly);
    auto exported = store->Export(42, INT64_MIN, INT64_MAX);
    EXPECT_EQ(WriteTable(*exported, settings, out).status, 1);
    return out.text;
  }

  TempDir folder;
  std::vector<std::vector<int16_t>> series;
  std::string location;
};

constexpr uint32_t Autumn = 1792929600;  // 2026-10-25T12:00:00, the day Europe/Berlin goes back an hour
constexpr uint32_t Spring = 1774785600;  // 2026-03-29T12:00:00, the day it goes forward

TEST_P(StoreViews, ReadingValuesHoldWhatTheLongStyleWrites) {
  ASSERT_EQ(Import(Log("42_a.log", Autumn, 300), "").status, ImportStatus::Imported);
  // (civil time, name) -> (kind letter, unit, value) of the long style.
  std::map<std::pair<std::string, std::string>, std::vector<std::string>> expected;
  TableSettings long_ = StyleSettings("long").value();
  long_.header = false;
  std::string text = Export(long_);
  std::replace(text.begin(), text.end(), ',', '|');
  std::erase(text, '\r');
  for (const auto& f : Rows(text)) expected[{f[0], f[2]}] = {f[1].substr(0, 1), f[3], f[6]};
  const auto rows = Rows(Sql("SELECT " + Seconds(GetParam(), "civil_time") +
                             ", channel, kind, unit, value, zone, time FROM reading_values ORDER BY 1, kind, key"));
  ASSERT_EQ(rows.size(), expected.size());
  for (const auto& r : rows) {
    const std::string civil = IsoText(std::stoll(r[0]));
    const auto& e = expected.at({civil, r[1]});
    EXPECT_EQ(std::string(1, static_cast<char>(std::toupper(r[2][0]))), e[0]) << civil << " " << r[1];
    EXPECT_EQ(r[3], e[1]) << civil << " " << r[1];
    if (e[2].empty())
      EXPECT_EQ(r[4], "") << civil << " " << r[1];
    else
      EXPECT_NEAR(std::stod(r[4]), std::stod(e[2]), 1e-9) << civil << " " << r[1];
    EXPECT_EQ(r[5] + r[6], "") << "no zone, no instant";
  }
}

// The instants of reading_values are those of an export with --tz ... --utc,
// across either clock change and at a fixed offset.
TEST_P(StoreViews, InstantsAreThoseOfAnExportInTheZone) {
  const struct {
    const char* zone;
    uint32_t newest;
  } cases[] = {{"Europe/Berlin", Autumn}, {"Europe/Berlin", Spring}, {"-03:30", Spring}};
  for (const auto& c : cases) {
    location = NewLocation(GetParam(), folder);
    ASSERT_EQ(Import(Log("42_" + std::to_string(c.newest) + ".log", c.newest, 40), c.zone).status,
              ImportStatus::Imported);
    TableSettings pandas = StyleSettings("pandas").value();
    pandas.header = false;
    pandas.zone = ZoneOfText(c.zone);
    pandas.zone.utc = true;
    std::map<int64_t, std::string> utc;  // civil time -> the export's instant
    const std::string civil = Export(StyleSettings("pandas").value());
    std::istringstream civilLines(civil.substr(civil.find('\n') + 1)), zoned(Export(pandas));
    for (std::string a, b; std::getline(civilLines, a) && std::getline(zoned, b);)
      utc[ParseCivilTime(a.substr(0, 19), false).value()] = b.substr(0, 20);
    const auto rows = Rows(Sql("SELECT DISTINCT " + Seconds(GetParam(), "civil_time") + ", unix_time, " +
                               Seconds(GetParam(), "time") + ", zone FROM reading_values"));
    ASSERT_EQ(rows.size(), utc.size()) << c.zone;
    for (const auto& r : rows) {
      const std::string instant = IsoText(std::stoll(r[1])) + "Z";
      EXPECT_EQ(instant, utc.at(std::stoll(r[0]))) << c.zone << " " << IsoText(std::stoll(r[0]));
      EXPECT_EQ(r[1], r[2]) << c.zone;
      EXPECT_EQ(r[3], c.zone);
    }
  }
}

// A site keeps the zone it was first given: a later log without one is
// placed in it, one with another is refused, and logs stored before the
// site had a zone are placed when it gets one.
TEST_P(StoreViews, ASiteKeepsOneZone) {
  const struct {
    const char* log;
    uint32_t newest;
    const char* zone;
    ImportStatus status;
    const char* placed;  // the imports with an offset afterwards
  } steps[] = {
      {"42_a.log", Autumn - 86400, "", ImportStatus::Imported, "0"},
      {"42_b.log", Autumn, "Europe/Berlin", ImportStatus::Imported, "2"},
      {"42_c.log", Autumn + 86400, "Europe/London", ImportStatus::Failed, "2"},
      {"42_d.log", Autumn + 2 * 86400, "", ImportStatus::Imported, "3"},
  };
  for (const auto& step : steps) {
    const ImportOutcome outcome = Import(Log(step.log, step.newest, 20), step.zone);
    EXPECT_EQ(outcome.status, step.status) << step.log << ": " << outcome.reason;
    EXPECT_EQ(Sql("SELECT count(utc_offset) FROM imports"), std::string(step.placed) + "\n") << step.log;
    if (step.status == ImportStatus::Failed) {
      EXPECT_EQ(outcome.reason, "site 42 is kept in the zone Europe/Berlin in this store, not Europe/London");
    }
  }
  // Before the change the clock was two hours ahead of UTC, after it one.
  EXPECT_EQ(Sql("SELECT utc_offset FROM imports ORDER BY last_time"), "7200\n3600\n3600\n");
  EXPECT_EQ(Sql("SELECT zone FROM sites"), "Europe/Berlin\n");
}

// Every reading is labelled, with its channel's newest name: a newer log's
// site file renames it, an older one's does not, and a changed description
// (a new meaning) is labelled too.
TEST_P(StoreViews, LabelsFollowTheNewestNameOfEveryMeaning) {
  const struct {
    const char* log;
    uint32_t newest;
    int siteFile;
    const char* names;
  } steps[] = {
      {"42_a.log", Autumn, 1, "Count\nSet pt\nTemp\nValve\n"},
      {"42_b.log", Autumn + 86400, 2, "Count\nSet pt\nTemp room\nValve\n"},
      {"42_c.log", Autumn - 86400, 1, "Count\nSet pt\nTemp room\nValve\n"},
      {"42_d.log", Autumn + 2 * 86400, 3, "Count\nSet pt\nTemp room\nValve\n"},
  };
  for (const auto& step : steps) {
    WriteSiteFile(folder.File("42.STE"), step.siteFile);
    ASSERT_EQ(Import(Log(step.log, step.newest, 20), "").status, ImportStatus::Imported) << step.log;
    EXPECT_EQ(Sql("SELECT DISTINCT channel FROM reading_values ORDER BY 1"), step.names) << step.log;
    EXPECT_EQ(Sql("SELECT count(*) FROM reading_values WHERE channel IS NULL OR kind IS NULL OR unit IS NULL"), "0\n")
        << step.log;
  }
  EXPECT_EQ(Sql("SELECT count(DISTINCT day) FROM reading_values"), "4\n");
}

TEST_P(StoreViews, SiteGapsAreTheGapsHistoryReports) {
  // Overlapping logs, one inside another, and two gaps.
  const uint32_t t = Autumn + 30 * 86400;
  for (const auto& [name, newest, rows] : {std::tuple{"42_a.log", t, 100}, std::tuple{"42_b.log", t + 50 * 300, 100},
                                           std::tuple{"42_c.log", t - 20 * 300, 10},
                                           std::tuple{"42_d.log", t + 300 * 300, 100},
                                           std::tuple{"42_e.log", t + 500 * 300, 50}})
    ASSERT_EQ(Import(Log(name, newest, rows), "").status, ImportStatus::Imported) << name;
  std::string expected;
  const std::vector<SiteSummary> summaries = OpenStore(location, StoreAccess::ReadOnly)->Summaries(42);
  for (const Gap& gap : summaries.at(0).gaps)
    expected += std::to_string(gap.after) + "|" + std::to_string(gap.before) + "|" + std::to_string(MissingRows(gap)) + "\n";
  EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 2) << expected;
  EXPECT_EQ(Sql("SELECT " + Seconds(GetParam(), "gap_after") + ", " + Seconds(GetParam(), "gap_until") +
                ", missing_rows FROM site_gaps WHERE site = 42 ORDER BY gap_after"),
            expected);
}

TEST_P(StoreViews, EveryTableViewAndColumnIsDescribed) {
  ASSERT_EQ(Import(Log("42_a.log", Autumn, 10), "").status, ImportStatus::Imported);
  const std::string undescribed =
      GetParam().postgres
          ? "SELECT c.relname || coalesce('.' || a.attname, '') FROM pg_class c LEFT JOIN pg_attribute a "
            "ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped "
            "WHERE c.relnamespace = current_schema()::regnamespace AND c.relkind IN ('r', 'v') "
            "AND (obj_description(c.oid, 'pg_class') IS NULL OR col_description(c.oid, a.attnum) IS NULL)"
          : "SELECT m.name || '.' || p.name FROM sqlite_schema m, pragma_table_info(m.name) p "
            "WHERE m.type IN ('table', 'view') AND m.name NOT LIKE 'sqlite%' AND NOT EXISTS "
            "(SELECT 1 FROM schema_notes n WHERE n.object_name = m.name AND n.column_name IN ('', p.name) "
            "GROUP BY n.object_name HAVING count(*) = 2)";
  EXPECT_EQ(Sql(undescribed), "");
  if (!GetParam().postgres) {  // and no note names a column that is not there
    EXPECT_EQ(Sql("SELECT object_name || '.' || column_name FROM schema_notes n WHERE column_name <> '' AND NOT "
                  "EXISTS (SELECT 1 FROM pragma_table_info(n.object_name) p WHERE p.name = n.column_name)"),
              "");
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, StoreViews, ::testing::Values(Engine{"SQLite", false}, Engine{"PostgreSQL", true}),
                         EngineName);

}  // namespace
}  // namespace zerb::historytest
