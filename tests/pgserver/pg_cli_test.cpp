// The history commands as processes against a PostgreSQL store in the test
// cluster: the same output as with an SQLite file, importers running at
// once, a connection dropped mid-import, and failures on one line without
// the password, in messages and in the process title.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "history/FoldedPeriods.h"
#include "history/history_support.h"
#include "history/postgres/PgConnection.h"
#include "history/postgres/PgSchema.h"
#include "history/postgres/PgStore.h"
#include "postgres/PgServer.h"
#include "styles/Styles.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::historytest {
namespace {

using test::PgEnv;
using test::PgSql;
using test::ReadFile;

test::ProcessResult Cli(const std::vector<std::string>& args) {
  return test::RunProcess(test::BuildPath("cli/zerb32-cli"), args);
}

pid_t Spawn(const std::vector<std::string>& args) { return test::SpawnQuiet(test::BuildPath("cli/zerb32-cli"), args); }

std::vector<std::string> Concat(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

int ExitCodeOf(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int64_t Count(const std::string& database, const std::string& table) {
  return std::stoll(PgSql(database, "SELECT count(*) FROM " + table));
}

// Waits until a backend of the database other than the watcher's waits for
// a lock in a statement that holds `statement`; its process id, or 0 after some seconds. The watcher must be
// outside a transaction, which would keep showing it one view of the
// activity.
int WaitingBackend(PgConnection& watcher, const std::string& database, const std::string& statement) {
  for (int attempt = 0; attempt < 1000; ++attempt) {
    PgResult waiting = watcher.Exec(
        "SELECT pid FROM pg_stat_activity WHERE datname = $1 AND pid <> pg_backend_pid() "
        "AND wait_event_type = 'Lock' AND strpos(query, $2) > 0",
        {database, statement});
    if (waiting.Ok() && waiting.Rows() > 0) return static_cast<int>(waiting.Integer(0, 0));
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 0;
}

class PgCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ZERB_REQUIRE_PG_SERVER();
    WriteSiteFile(folder.File("42.STE"), 1);
    series = LongSeries(2000, 42);
    database = test::NewPgDatabase();
  }
  std::string Log(const std::string& name, std::size_t first, std::size_t last) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteLogFile(path, CutLog(series, first, last, true)));
    return path;
  }
  std::string Db() const { return test::PgUri(database); }
  std::unique_ptr<PgConnection> Connect() {
    std::string error;
    auto connection = PgConnection::Open(Db(), error);
    EXPECT_TRUE(connection) << error;
    return connection;
  }

  std::vector<std::vector<int16_t>> series;
  test::TempDir folder;
  std::string database;
};

TEST_F(PgCli, CommandsSayAndWriteWhatTheySayAndWriteWithSqlite) {
  const std::vector<std::string> logs = {Log("42_a.log", 0, 300), Log("42_b.log", 250, 600), Log("42_c.log", 700, 900)};
  series[260][0] = static_cast<int16_t>(series[260][0] + 5);
  const std::vector<std::string> conflicting = {Log("42_d.log", 200, 280)};
  const std::string sqlite = folder.File("site.db");
  const std::vector<std::vector<std::string>> commands = {
      {"import", "--db", "STORE", logs[1], logs[0], conflicting[0], logs[2]},
      {"import", "--db", "STORE", logs[0], "-v"},
      {"history", "--db", "STORE"},
      {"history", "--db", "STORE", "--site", "42"},
      {"export", "--db", "STORE", "--site", "42", "-v", "-o", "-"},
      {"export", "--db", "STORE", "--site", "42", "--from", "2026-11-30T01:03:20", "--to", "2026-12-01", "-o", "-"},
      {"export", "--db", "STORE", "--site", "42", "--fill-gaps", "-o", "-"},
      {"export", "--db", "STORE", "--site", "7", "-o", "-"},
  };
  for (auto args : commands) {
    std::replace(args.begin(), args.end(), std::string("STORE"), sqlite);
    const auto expected = Cli(args);
    std::replace(args.begin(), args.end(), sqlite, Db());
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, expected.exitCode) << args[0];
    EXPECT_EQ(run.out, expected.out) << args[0];
    std::string err = run.err;
    for (std::size_t at; (at = err.find(Db())) != std::string::npos;) err.replace(at, Db().size(), sqlite);
    EXPECT_EQ(err, expected.err) << args[0];
  }
  EXPECT_EQ(Count(database, "conflicts"), 1);
}

TEST_F(PgCli, ImportersAtOnceStoreEveryLogOnceAndTheSameSeries) {
  std::vector<std::string> logs;
  for (std::size_t k = 0; k < 40; ++k) logs.push_back(Log("42_" + std::to_string(k) + ".log", 30 * k, 30 * k + 39));
  series[100][1] = static_cast<int16_t>(series[100][1] + 1);  // the later of two logs holding row 100 differs
  logs.push_back(Log("42_x.log", 95, 130));
  // Four importers, each of about half the logs in its own order, all
  // starting on a database without a store.
  std::mt19937 random(7);
  std::vector<pid_t> importers;
  for (int i = 0; i < 4; ++i) {
    std::vector<std::string> args = {"import", "--db", Db()};
    for (const std::string& log : logs)
      if (random() % 2 || &log - logs.data() == i) args.push_back(log);
    std::shuffle(args.begin() + 3, args.end(), random);
    importers.push_back(Spawn(args));
  }
  for (const pid_t pid : importers) EXPECT_EQ(ExitCodeOf(pid), 0);
  const auto rest = Cli(Concat({"import", "--db", Db()}, logs));
  EXPECT_EQ(rest.exitCode, 0) << rest.err;
  EXPECT_EQ(Count(database, "imports"), static_cast<int64_t>(logs.size()));
  EXPECT_EQ(Count(database, "readings"), 5 * (30 * 39 + 40));
  EXPECT_EQ(Count(database, "conflicts"), 1);

  const auto merged = Cli(Concat({"merge", "-o", "-"}, logs));
  const auto exported = Cli({"export", "--db", Db(), "--site", "42", "-o", "-"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(exported.out, merged.out);
}

// A summary of the store, on either engine, is that of the logs merged.
TEST_F(PgCli, SummariesOfTheStoreAreThoseOfTheLogsMerged) {
  const std::vector<std::string> logs = {Log("42_a.log", 0, 700), Log("42_b.log", 900, 1500)};
  const std::string sqlite = folder.File("site.db");
  for (const std::string& store : {sqlite, Db()}) {
    ASSERT_EQ(Cli(Concat({"import", "--db", store}, logs)).exitCode, 0);
    for (const char* every : {"15min", "1d", "1w"}) {
      SCOPED_TRACE(store + " " + every);
      const std::vector<std::string> summary = {"--style", "pandas", "--tz", "Europe/Berlin", "--every", every,
                                                "--stats", "mean,first,last,on,starts,count", "-o", "-"};
      const auto merged = Cli(Concat(Concat({"merge"}, summary), logs));
      const auto exported = Cli(Concat({"export", "--db", store, "--site", "42"}, summary));
      ASSERT_EQ(exported.exitCode, 0) << exported.err;
      EXPECT_GT(exported.out.size(), 100u);
      EXPECT_EQ(exported.out, merged.out);
    }
  }
}

// The same across clock changes, gaps between logs, invalid readings and a
// conflict (overlapping logs), degree-days included, where the server folds
// the periods (logs of one clock offset) and where it cannot (logs of two).
TEST_F(PgCli, SummariesFoldedByTheServerAreThoseOfTheLogsMerged) {
  constexpr uint32_t Mar30 = 1774828800, Oct25 = 1792886400, Day = 86400;  // civil midnights, 2026
  const struct {
    const char* name;
    std::vector<std::pair<uint32_t, std::size_t>> logs;  // newest time, rows
    bool folded;                                         // by the server
    uint16_t interval = Interval;
  } cases[] = {
      {"spring, a gap, a conflict", {{Mar30, 600}, {Mar30 - Day / 2, 50}, {Mar30 + Day + Day / 2, 100}}, true},
      {"autumn, a gap", {{Oct25 + Day + Day / 2, 700}, {Oct25 + 3 * Day, 100}}, true},
      {"autumn, two clocks", {{Oct25 + Day + Day / 2, 700}, {Oct25 - Day / 2, 50}}, false},
      {"autumn, weeks whole, a gap", {{Oct25 + 14 * Day, 1200}, {Oct25 + 20 * Day, 200}}, true, 1800},
  };
  const std::vector<const char*> all = {"15min", "1h", "1d", "1w", "1mo"};
  const struct {
    std::vector<std::string> args;
    std::vector<const char*> periods;
  } layouts[] = {
      {{"--style", "pandas", "--tz", "Europe/Berlin", "--stats", "mean,min,max,first,last,on,starts,count"}, all},
      {{"--style", "long", "--min-coverage", "0.5"}, all},
      {{"--style", "excel", "--tz", "Europe/Berlin", "--utc"}, all},
      // Temp in °C, Count in °F, bases amid their daily means; days under
      // the coverage rule at the logs' ends and gaps.
      {{"--style", "pandas", "--tz", "Europe/Berlin", "--degree-days", "Temp room:5", "--cooling-degree-days",
        "Count:75", "--stats", "count"},
       {"1d", "1w"}},
      {{"--style", "long", "--min-coverage", "0.9", "--degree-days", "Count", "--cooling-degree-days", "Temp room:4"},
       {"1w", "1mo"}},
      {{"--style", "excel", "--tz", "Europe/Berlin", "--min-coverage", "0.3", "--degree-days", "Temp room:8.5"},
       {"1d", "1mo"}}};
  WriteSiteFile(folder.File("42.STE"), 4);  // its output is on/off, its Count a temperature in °F
  for (const auto& c : cases) {
    const test::TempDir site;
    std::filesystem::copy_file(folder.File("42.STE"), site.File("42.STE"));
    std::vector<std::string> logs;
    for (const auto& [newest, rows] : c.logs) {
      logs.push_back(site.File("42_" + std::to_string(logs.size()) + ".log"));
      ASSERT_TRUE(WriteLogFile(logs.back(), ClockLog(series, newest, c.interval, rows)));
    }
    const std::string sqlite = site.File("site.db"), pg = test::PgUri(test::NewPgDatabase());
    for (const std::string& store : {sqlite, pg}) ASSERT_EQ(Cli(Concat({"import", "--db", store}, logs)).exitCode, 0);
    PgStore server(pg, StoreAccess::ReadOnly);
    TableSettings berlin = StyleSettings("pandas").value();
    berlin.zone = {ZoneKind::Named, 0, "Europe/Berlin", false};
    const auto stored = server.Export(42, INT64_MIN, INT64_MAX);
    SummaryRequest degreeDays;
    degreeDays.degreeDays = {{"Temp room", HeatingBase, false}, {"Count", CoolingBase, true}};
    for (const SummaryRequest& asked : {SummaryRequest{}, degreeDays})
      EXPECT_EQ(FoldInStore(server, 42, INT64_MIN, INT64_MAX, stored->Channels(), berlin, asked).has_value(), c.folded)
          << c.name;
    for (const auto& layout : layouts)
      for (const char* every : layout.periods) {
        SCOPED_TRACE(std::string(c.name) + " " + layout.args[1] + " " + layout.args[3] + " " + every);
        const std::vector<std::string> summary = Concat(layout.args, {"--every", every, "-o", "-"});
        const auto merged = Cli(Concat(Concat({"merge"}, summary), logs));
        ASSERT_EQ(merged.exitCode, 0) << merged.err;
        for (const std::string& store : {sqlite, pg}) {
          const auto exported = Cli(Concat({"export", "--db", store, "--site", "42"}, summary));
          ASSERT_EQ(exported.exitCode, 0) << exported.err;
          EXPECT_EQ(exported.out, merged.out) << store;
        }
      }
  }
}

TEST_F(PgCli, ADroppedConnectionMidImportStoresNothingOfThatLog) {
  const std::string first = Log("42_a.log", 0, 300), second = Log("42_b.log", 250, 600);
  ASSERT_EQ(Cli({"import", "--db", Db(), first}).exitCode, 0);
  const int64_t readings = Count(database, "readings");
  // The site's row held: the import stops at its last statement, with its
  // readings merged but not committed, and its connection is ended there.
  auto holder = Connect();
  ASSERT_TRUE(holder);
  ASSERT_TRUE(holder->Exec("BEGIN").Ok());
  ASSERT_TRUE(holder->Exec("SELECT 1 FROM sites WHERE site = 42 FOR NO KEY UPDATE").Ok());
  test::TempDir capture;
  const pid_t pid = fork();
  if (pid == 0) {
    freopen(capture.File("err").c_str(), "w", stderr);
    freopen("/dev/null", "w", stdout);
    const std::string program = test::BuildPath("cli/zerb32-cli");
    const std::string db = Db();
    execl(program.c_str(), program.c_str(), "import", "--db", db.c_str(), second.c_str(), nullptr);
    _exit(127);
  }
  const int backend = WaitingBackend(*Connect(), database, "excluded.name_end");
  ASSERT_NE(backend, 0) << ReadFile(capture.File("err"));
  ASSERT_TRUE(holder->Exec("SELECT pg_terminate_backend($1)", {std::to_string(backend)}).Ok());
  EXPECT_EQ(ExitCodeOf(pid), 1);
  holder->Exec("ROLLBACK");
  const std::string err = ReadFile(capture.File("err"));
  EXPECT_NE(err.find("lost the connection to the PostgreSQL store"), std::string::npos) << err;
  EXPECT_NE(err.find("nothing of " + second + " was stored"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(Count(database, "imports"), 1);
  EXPECT_EQ(Count(database, "readings"), readings);
  EXPECT_EQ(Cli({"import", "--db", Db(), second}).exitCode, 0);
}

// A log the server refuses (a trigger raises an error, as a broken
// constraint would) is reported with its name; the batch goes on.
TEST_F(PgCli, OneFailingLogNeverEndsTheBatch) {
  const std::string first = Log("42_a.log", 0, 100), refused = Log("42_bad.log", 100, 200),
                    last = Log("42_c.log", 200, 300);
  ASSERT_EQ(Cli({"import", "--db", Db(), first}).exitCode, 0);
  PgSql(database,
        "CREATE FUNCTION refuse_bad() RETURNS trigger LANGUAGE plpgsql AS "
        "'BEGIN RAISE EXCEPTION ''refused by the test''; END'; "
        "CREATE TRIGGER refuse_bad BEFORE INSERT ON imports FOR EACH ROW WHEN (NEW.log_path LIKE '%bad%') "
        "EXECUTE FUNCTION refuse_bad()");
  const auto run = Cli({"import", "--db", Db(), refused, last});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "imported " + last + " (site 42, 505 readings)\n") << run.err;
  EXPECT_NE(run.err.find(refused + ": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("refused by the test"), std::string::npos) << run.err;
  EXPECT_EQ(Count(database, "imports"), 2);
}

TEST_F(PgCli, FailuresAreOneLineWithoutThePasswordAndChangeNothing) {
  const std::string log = Log("42_a.log", 0, 100);
  const std::string user = PgEnv("ZERB32_PG_SECRET_USER"), password = PgEnv("ZERB32_PG_SECRET_PASSWORD");
  const std::string socket = PgEnv("ZERB32_PG_SOCKET");
  const auto uri = [&](const std::string& secret, const std::string& db) {
    return "postgresql://" + user + ":" + secret + "@/" + db + "?host=" + socket + "&port=" + PgEnv("ZERB32_PG_PORT");
  };
  PgSql(database, "GRANT ALL ON SCHEMA public TO " + user);
  const std::string newer = test::NewPgDatabase(), foreign = test::NewPgDatabase();
  ASSERT_EQ(Cli({"import", "--db", test::PgUri(newer), log}).exitCode, 0);
  PgSql(newer, "UPDATE zerb32_store SET schema_version = 999");
  PgSql(foreign, "CREATE TABLE readings (x integer)");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"import", "--db", uri(password + "x", database), log}, "password authentication failed"},
      {{"history", "--db", uri(password, "no_such_db")}, "database \"no_such_db\" does not exist"},
      {{"import", "--db", "host=/nonexistent/zerb32 password=" + password, log}, "No such file or directory"},
      // libpq quotes a malformed address, or a piece of it, in its message.
      {{"history", "--db", "postgresql://u:" + password + "@[::1/postgres"}, "postgresql://u@[::1/postgres"},
      {{"history", "--db", "host=/nonexistent password=" + password + " dbname"}, "missing \"=\" after \"dbname\""},
      {{"history", "--db", uri(password, database)}, "no ZERB32 store in the PostgreSQL database"},
      {{"export", "--db", uri(password, database), "--site", "42", "-o", "-"}, "no ZERB32 store"},
      {{"import", "--db", test::PgUri(newer), log}, "made by a newer ZERB32 (schema version 999"},
      {{"history", "--db", test::PgUri(foreign)}, "is not a ZERB32 store"},
      {{"import", "--db", test::PgUri(foreign), log}, "is not a ZERB32 store"},
      {{"history", "--db", uri(password, database), uri(password, database)}, "not expected"},
  };
  for (const auto& c : cases) {
    const auto run = Cli(c.args);
    EXPECT_NE(run.exitCode, 0) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(password), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find(password), std::string::npos) << run.out;
    if (run.exitCode == 1) {
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
  }
  EXPECT_EQ(PgSql(database, "SELECT count(*) FROM pg_tables WHERE schemaname = 'public'"), "0\n");
  EXPECT_EQ(Count(newer, "imports"), 1);

  // The password given in the address leaves the process title at once.
  auto holder = Connect();
  ASSERT_TRUE(holder);
  ASSERT_TRUE(holder->Exec("SELECT pg_advisory_lock($1, 42)", {std::to_string(PgLockSpace)}).Ok());
  const pid_t pid = Spawn({"import", "--db", uri(password, database), log});
  ASSERT_NE(WaitingBackend(*holder, database, "pg_advisory_xact_lock"), 0);
  const std::string title = ReadFile("/proc/" + std::to_string(pid) + "/cmdline");
  EXPECT_NE(title.find("postgresql://" + user + ":"), std::string::npos) << title;
  EXPECT_EQ(title.find(password), std::string::npos) << title;
  ASSERT_TRUE(holder->Exec("SELECT pg_advisory_unlock($1, 42)", {std::to_string(PgLockSpace)}).Ok());
  EXPECT_EQ(ExitCodeOf(pid), 0);
}

}  // namespace
}  // namespace zerb::historytest
