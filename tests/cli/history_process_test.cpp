// The history commands as processes against real SQLite files: import,
// export and history; refusals; every bad input; conflicts and logs off one
// grid; a kill during an import; two imports at once.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "history/Sqlite.h"
#include "history/history_support.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::historytest {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
namespace fs = std::filesystem;

test::ProcessResult Cli(const std::vector<std::string>& args) {
  return test::RunProcess(test::BuildPath("cli/zerb32-cli"), args);
}

pid_t Spawn(const std::vector<std::string>& args) { return test::SpawnQuiet(test::BuildPath("cli/zerb32-cli"), args); }

int64_t Query(const std::string& db, const char* sql) {
  SqliteDb store(db, SQLITE_OPEN_READONLY);
  SqliteStatement statement(store, sql);
  return statement.Step() ? statement.Int(0) : -1;
}

std::string QueryText(const std::string& db, const char* sql) {
  SqliteDb store(db, SQLITE_OPEN_READONLY);
  SqliteStatement statement(store, sql);
  return statement.Step() ? statement.Text(0) : "";
}

// Site 42's folder with its site file and logs cut from one series.
class HistoryCli : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSiteFile(folder.File("42.STE"), 1);
    series = LongSeries(2000, 42);
  }
  std::string Log(const std::string& name, std::size_t first, std::size_t last, uint32_t lanBehind = 100) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteLogFile(path, CutLog(series, first, last, true, lanBehind)));
    return path;
  }
  std::string Db() const { return folder.File("site.db"); }
  std::vector<std::vector<int16_t>> series;
  TempDir folder;
};

TEST_F(HistoryCli, ImportExportHistory) {
  const std::vector<std::string> logs = {Log("42_a.log", 0, 300), Log("42_b.log", 250, 600), Log("42_c.log", 700, 900)};
  auto run = Cli({"import", "--db", Db(), logs[0], logs[1], logs[2]});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "imported " + logs[0] + " (site 42, 1505 readings)\nimported " + logs[1] +
                         " (site 42, 1755 readings)\nimported " + logs[2] + " (site 42, 1005 readings)\n");
  run = Cli({"import", "--db", Db(), logs[1]});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "skipped " + logs[1] + ": already in the store\n");
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM readings"), 5 * (601 + 201));
  EXPECT_EQ(QueryText(Db(), "PRAGMA journal_mode"), "wal");

  // export writes what merge writes, and reports the gap.
  const auto merged = Cli({"merge", logs[2], logs[0], logs[1], "-o", folder.File("merged.csv")});
  EXPECT_EQ(merged.exitCode, 0) << merged.err;
  EXPECT_EQ(merged.err, "zerb32-cli: 1 gap in the series (-v lists them)\n");
  const auto exported = Cli({"export", "--db", Db(), "--site", "42", "-o", folder.File("export.csv"), "-v"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(ReadFile(folder.File("export.csv")), ReadFile(folder.File("merged.csv")));
  EXPECT_NE(exported.err.find("after 2026-12-02T02:53:20 until 2026-12-02T11:13:20 (99 rows missing)"),
            std::string::npos) << exported.err;

  // --from and --to include both ends.
  const auto part = Cli({"export", "--db", Db(), "--site", "42", "--from", "2026-11-30T01:03:20", "--to",
                         "2026-11-30T01:18:20", "--no-headers", "-o", "-"});
  EXPECT_EQ(part.exitCode, 0);
  EXPECT_EQ(std::count(part.out.begin(), part.out.end(), '\n'), 4) << part.out;
  EXPECT_EQ(part.out.rfind("\"30/11/2026\",\"01:03:20\",", 0), 0u) << part.out;

  const auto history = Cli({"history", "--db", Db()});
  EXPECT_EQ(history.exitCode, 0);
  for (const char* line : {"Site 42: Riverside\n", "  Logs: 3, readings: 4010, conflicts: 0\n",
                           "  From 2026-11-30T00:53:20 to 2026-12-03T03:53:20\n", "  Gaps: 1\n",
                           "    sensor 0x0003 Added (TS4-C)\n"})
    EXPECT_NE(history.out.find(line), std::string::npos) << line << history.out;
}

// The series of one log, merged or stored, is that log's output in every style.
TEST_F(HistoryCli, WritesEveryStyleAsConversionDoes) {
  const std::string log = Log("42_a.log", 0, 50);
  ASSERT_EQ(Cli({"import", "--db", Db(), log}).exitCode, 0);
  const std::vector<std::vector<std::string>> styles = {
      {"--style", "classic"}, {"--style", "excel"}, {"--style", "excel-eu"}, {"--style", "pandas"},
      {"--style", "long"}, {"--style", "pandas", "--tz", "Europe/Berlin"}, {"-d", "iso", "--units", "row"}};
  for (const auto& style : styles) {
    std::vector<std::string> convert = style, merge = {"merge", log}, exported = {"export", "--db", Db(), "--site", "42"};
    for (auto* args : {&convert, &merge, &exported}) args->insert(args->end(), {"-o", "-"});
    convert.push_back(log);
    merge.insert(merge.end(), style.begin(), style.end());
    exported.insert(exported.end(), style.begin(), style.end());
    const auto direct = Cli(convert);
    ASSERT_EQ(direct.exitCode, 0) << direct.err;
    EXPECT_EQ(Cli(merge).out, direct.out) << style.back();
    EXPECT_EQ(Cli(exported).out, direct.out) << style.back();
  }
}

TEST_F(HistoryCli, RefusesWhatDoesNotApply) {
  const std::string log = Log("42_a.log", 0, 10);
  ASSERT_EQ(Cli({"import", "--db", Db(), log}).exitCode, 0);
  const std::string out = folder.File("out.csv");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"merge", log, "-o", out, "-s", "1"}, "-s,--skip does not apply"},
      {{"merge", log, "-o", out, "-n"}, "-n,--new-only does not apply"},
      {{"merge", log, "-o", out, "--overlap", "3"}, "--overlap does not apply"},
      {{"export", "--db", Db(), "--site", "42", "-o", out, "-x"}, "-x,--xml does not apply"},
      {{"export", "--db", Db(), "--site", "42", "-o", out, "-j", "2"}, "-j,--jobs does not apply"},
      {{"merge", log, "-o", out, "--meta"}, "--meta describes one log"},
      {{"merge", log, "-o", out, "--style", "excel", "--decimal-comma"}, "--decimal-comma needs a separator"},
      {{"merge", log, "-o", log}, "the output may not be an input"},
      {{"merge", log, "-o", folder.File("42.STE")}, "the output may not be an input"},
      {{"export", "--db", Db(), "--site", "42", "-o", Db()}, "the output may not be an input"},
      {{"export", "--db", Db(), "--site", "4294967296", "-o", out}, "--site takes a site number"},
      {{"export", "--db", Db(), "--site", "42", "--from", "2026-02-30", "-o", out}, "--from takes YYYY-MM-DD"},
      {{"export", "--db", Db(), "--site", "42", "--from", "2026-03-02", "--to", "2026-03-01", "-o", out},
       "--from is after --to"},
      {{"export", "--db", Db(), "-o", out}, "--site is required"},
      {{"export", "--db", Db(), "--site", "", "-o", out}, "--site takes a site number from 0 to 4294967295, not \"\""},
      {{"export", "--db", Db(), "--site", "4x", "-o", out}, "--site takes a site number"},
      {{"export", "--db", Db(), "--site", "-1", "-o", out}, "--site takes a site number"},
      {{"history", "--db", Db(), "--site", ""}, "--site takes a site number"},
      {{"history", "--db", ""}, "--db names no store"},
      {{"export", "--db", "sqlite:", "--site", "42", "-o", out}, "--db names no store"},
      {{"merge", log, "-o", out, "--max-fill", "5"}, "--max-fill goes with --fill-gaps"},
  };
  for (const auto& c : cases) {
    const auto run = Cli(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
  }
}

// Each command's help lists what that command takes, no more.
// A degree-day channel that is not a temperature, as the site file or the
// store describes it, is a usage error said in one line before anything is
// written; without a site file a sensor has the default type (in °C).
TEST_F(HistoryCli, DegreeDaysOfANonTemperatureAreAUsageError) {
  const std::string log = Log("42_a.log", 0, 300);
  const std::string bare = folder.File("alone/42_b.log");
  fs::create_directories(folder.File("alone"));
  fs::copy_file(log, bare);
  ASSERT_EQ(Cli({"import", "--db", Db(), log}).exitCode, 0);
  const std::string out = folder.File("out.csv");
  const std::vector<std::string> summary = {"--style", "excel", "--every", "1d", "-o", out, "--degree-days"};
  const struct {
    std::vector<std::string> command;
    const char* channel;
    int exitCode;
    const char* said;
  } cases[] = {
      {{log}, "Valve", 2, "O1/1 is an output of type"},
      {{log}, "Set pt", 2, "is an ASM of type"},
      {{"merge", log}, "Valve", 2, "--degree-days Valve: O1/1 is an output"},
      {{"export", "--db", Db(), "--site", "42"}, "Set pt", 2, "not a temperature; --degree-days takes CHANNEL[:BASE]"},
      {{bare}, "O1/1", 2, "O1/1 is an output"},
      {{bare}, "S0/2", 0, ""},
      {{"export", "--db", Db(), "--site", "42"}, "Temp", 0, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.command;
    args.insert(args.end(), summary.begin(), summary.end());
    args.push_back(c.channel);
    const auto run = Cli(args);
    SCOPED_TRACE(args.front() + " " + c.channel);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    if (c.exitCode == 0) {
      EXPECT_TRUE(fs::remove(out));
      continue;
    }
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(fs::exists(out));
  }
  // In a batch, a later log's channel stops the earlier ones too.
  const auto batch = Cli({bare, log, "--style", "excel", "--every", "1d", "--degree-days", "S0/3"});
  EXPECT_EQ(batch.exitCode, 2) << batch.err;
  EXPECT_EQ(fs::directory_iterator(folder.File("alone"))->path(), bare);
}

TEST_F(HistoryCli, HelpListsOnlyWhatACommandTakes) {
  const struct {
    const char* command;
    std::vector<const char*> listed, unlisted;
  } rows[] = {
      {"merge", {"--fill-gaps", "--max-fill", "--style", "-o,--output"}, {"--meta", "--skip", "--xml", "--jobs", "--db"}},
      {"export", {"--db", "--site", "--max-fill"}, {"--meta", "--new-only", "--overlap"}},
      {"import", {"--db", "--require-site"}, {"--style", "--meta", "--fill-gaps", "-o,--output"}},
      {"history", {"--db", "--site"}, {"--style", "--meta", "-o,--output"}},
  };
  for (const auto& row : rows) {
    const auto run = Cli({row.command, "--help"});
    EXPECT_EQ(run.exitCode, 0) << row.command;
    for (const char* option : row.listed) EXPECT_NE(run.out.find(option), std::string::npos) << row.command << option;
    for (const char* option : row.unlisted) EXPECT_EQ(run.out.find(option), std::string::npos) << row.command << option;
  }
}

TEST_F(HistoryCli, BadInputsFailClearlyAndChangeNothing) {
  const std::string good = Log("42_a.log", 0, 100);
  WriteFile(folder.File("42_cut.log"), ReadFile(good).substr(0, 300));
  fs::create_directory(folder.File("other"));
  WriteSiteFile(folder.File("other/7.STE"), 1);
  WriteFile(folder.File("other/7.log"), ReadFile(good));
  WriteFile(folder.File("other/42.log"), ReadFile(Log("42_b.log", 50, 150)));  // no site file beside it
  ASSERT_EQ(Cli({"import", "--db", Db(), good}).exitCode, 0);
  WriteFile(folder.File("text.db"), "not a database, just text\n");
  const std::string foreign = folder.File("foreign.db");
  SqliteDb(foreign, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE).Execute("CREATE TABLE t (x)");
  const std::string newer = folder.File("newer.db");
  fs::copy_file(Db(), newer);
  SqliteDb(newer, SQLITE_OPEN_READWRITE).Execute("PRAGMA user_version = 999");

  const struct {
    std::vector<std::string> args;
    const char* message;
    std::string unchanged;  // a file the run must leave as it was
  } cases[] = {
      {{"import", "--db", Db(), folder.File("42_cut.log")}, "nothing of it was stored", Db()},
      {{"import", "--db", Db(), "--require-site", folder.File("other/42.log")}, "is missing", Db()},
      {{"merge", good, folder.File("other/7.log"), "-o", folder.File("m.csv")}, "different sites", ""},
      {{"import", "--db", Db(), "--lan", folder.File("42_b.log")}, "site 42 is kept on the PC clock", Db()},
      {{"import", "--db", folder.File("text.db"), good}, "is not a ZERB32 store", folder.File("text.db")},
      {{"history", "--db", foreign}, "is not a ZERB32 store", foreign},
      {{"import", "--db", foreign, good}, "is not a ZERB32 store", foreign},
      {{"import", "--db", newer, good}, "made by a newer ZERB32 (schema version 999", newer},
      {{"export", "--db", newer, "--site", "42", "-o", folder.File("m.csv")}, "newer ZERB32", newer},
      {{"export", "--db", folder.File("none.db"), "--site", "42", "-o", folder.File("m.csv")}, "no store at", ""},
      {{"history", "--db", folder.File("none.db")}, "no store at", ""},
      {{"export", "--db", Db(), "--site", "7", "-o", folder.File("m.csv")}, "no site 7 in the store", Db()},
      // Another store, or a file SQLite would read as part of one, is no output.
      {{"export", "--db", Db(), "--site", "42", "-o", foreign}, "it is a history store", foreign},
      {{"merge", good, "-o", newer}, "it is a history store", newer},
      {{"merge", good, "-o", foreign + "-journal"}, "it is a history store", foreign},
      {{good, "-o", foreign}, "is an existing history store", foreign},
  };
  for (const auto& c : cases) {
    const std::string before = c.unchanged.empty() ? "" : ReadFile(c.unchanged);
    const auto run = Cli(c.args);
    EXPECT_EQ(run.exitCode, 1) << c.message << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (!c.unchanged.empty()) {
      EXPECT_EQ(ReadFile(c.unchanged), before) << c.message;
    }
    EXPECT_FALSE(fs::exists(folder.File("m.csv"))) << c.message;
    EXPECT_FALSE(fs::exists(folder.File("none.db"))) << c.message;
  }
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM imports"), 1);
  EXPECT_FALSE(fs::exists(foreign + "-journal"));

  // Without --require-site a log without its site file goes in, with a warning.
  const auto warned = Cli({"import", "--db", Db(), folder.File("other/42.log")});
  EXPECT_EQ(warned.exitCode, 0);
  EXPECT_NE(warned.err.find("is missing or incomplete"), std::string::npos) << warned.err;
  EXPECT_EQ(warned.out, "imported " + folder.File("other/42.log") + " (site 42, 505 readings)\n");
}

// Rows 50 to 100 are in both logs; the newer log's row 60 differs. The
// newer log's reading is kept in merge and store alike, whatever the order.
TEST_F(HistoryCli, ConflictsAndLogsOffOneGridAreReported) {
  const std::string older = Log("42_a.log", 0, 100);
  series[60][0] = static_cast<int16_t>(series[60][0] + 5);
  const std::string newer = Log("42_b.log", 50, 150);
  for (const auto& order : {std::vector<std::string>{older, newer}, std::vector<std::string>{newer, older}}) {
    const auto run = Cli({"merge", "-v", order[0], order[1], "-d", "off", "--no-headers", "-o", "-"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("1 reading held by several logs with different raw counts"), std::string::npos);
    EXPECT_NE(run.err.find("sensor 0x0001 at 2026-11-30T05:53:20: " + std::to_string(series[60][0]) + " from " +
                           newer), std::string::npos) << run.err;
    const auto direct = Cli({newer, "-d", "off", "--no-headers", "-o", "-"});
    EXPECT_EQ(run.out.substr(run.out.size() - direct.out.size()), direct.out);
  }
  ASSERT_EQ(Cli({"import", "--db", Db(), newer, older}).exitCode, 0);
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM conflicts"), 1);
  EXPECT_EQ(Query(Db(), "SELECT raw FROM readings WHERE kind = 0 AND key = 1 AND time = 1796018000"), series[60][0]);

  // A log whose clock moved by a minute: off the 300 s grid; the newer wins.
  const std::string shifted = Log("42_c.log", 140, 200, 40);
  const auto run = Cli({"merge", older, newer, shifted, "--lan", "-o", folder.File("m.csv")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find(shifted + " and " + newer + " overlap off one grid (shifted by +60 s)"), std::string::npos)
      << run.err;
}

TEST_F(HistoryCli, KilledImportLeavesWholeLogs) {
  std::vector<std::string> args = {"import", "--db", Db()};
  for (std::size_t k = 0; k < 150; ++k) args.push_back(Log("42_" + std::to_string(k) + ".log", 10 * k, 10 * k + 9));
  const pid_t pid = Spawn(args);
  for (int wait = 0; wait < 2000; ++wait) {  // until a few logs are in
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    try {
      if (fs::exists(Db()) && Query(Db(), "SELECT count(*) FROM imports") >= 5) break;
    } catch (const SqliteError&) {
    }
  }
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it was killed";
  const int64_t imported = Query(Db(), "SELECT count(*) FROM imports");
  EXPECT_GE(imported, 5);
  EXPECT_LT(imported, 150);
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM readings"), imported * 50);
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM imports WHERE readings <> 50"), 0);
  // Run again, the rest goes in.
  const auto again = Cli(args);
  EXPECT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM readings"), 150 * 50);
}

// A store that cannot grow (a file-size limit stands in for a full disk):
// a clear error, and the logs committed before stay whole.
TEST_F(HistoryCli, FullStoreKeepsWhatWasCommitted) {
  std::vector<std::string> args = {"-c", "ulimit -f 200 && exec \"$0\" \"$@\"", test::BuildPath("cli/zerb32-cli"),
                                   "import", "--db", Db()};
  for (std::size_t k = 0; k < 190; ++k) args.push_back(Log("42_" + std::to_string(k) + ".log", 10 * k, 10 * k + 9));
  const auto run = test::RunProcess("/bin/sh", args);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("cannot write the store " + Db()), std::string::npos) << run.err;
  const int64_t imported = Query(Db(), "SELECT count(*) FROM imports");
  EXPECT_GE(imported, 1);
  EXPECT_LT(imported, 190);
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM readings"), imported * 50);
  EXPECT_EQ(Cli({"history", "--db", Db()}).exitCode, 0);
}

// A store its user may not write (the test as root runs the import as an
// unprivileged user): a clear error, and the store as it was, also where
// another user's -wal and -shm files lie beside it.
TEST_F(HistoryCli, ReadOnlyStoreKeepsWhatWasCommitted) {
  const std::string first = Log("42_a.log", 0, 100), second = Log("42_b.log", 200, 300);
  ASSERT_EQ(Cli({"import", "--db", Db(), first}).exitCode, 0);
  std::string program = test::BuildPath("cli/zerb32-cli");
  std::vector<std::string> args = {"import", "--db", Db(), second};
  if (geteuid() == 0) {
    if (access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "running as root without setpriv";
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", program});
    program = "/usr/bin/setpriv";
  }
  for (const bool shared : {false, true}) {  // the second time root's reads below left a -shm file
    EXPECT_EQ(fs::exists(Db() + "-shm"), shared);
    fs::permissions(folder.Path(), fs::perms::all & ~fs::perms::owner_write & ~fs::perms::group_write &
                                       ~fs::perms::others_write);  // 0555
    fs::permissions(Db(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto run = test::RunProcess(program, args);
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(run.exitCode, 1) << shared;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(Db() + ": attempt to write a readonly database"), std::string::npos) << run.err;
    EXPECT_EQ(Query(Db(), "SELECT count(*) FROM imports"), 1);
    EXPECT_EQ(QueryText(Db(), "SELECT log_path FROM imports"), first);
    EXPECT_EQ(Query(Db(), "SELECT count(*) FROM readings"), 505);
  }
}

// export and history read a store whose user may only read it (the test
// as root reads it as an unprivileged user), whatever its folder allows,
// and leave no -wal or -shm file beside it, as its owner too.
TEST_F(HistoryCli, ReadingLeavesNoWalAndNeedsNoWriting) {
  ASSERT_EQ(Cli({"import", "--db", Db(), Log("42_a.log", 0, 100), Log("42_b.log", 200, 300)}).exitCode, 0);
  const std::vector<std::vector<std::string>> commands = {{"export", "--db", Db(), "--site", "42", "-o", "-"},
                                                          {"history", "--db", Db()}};
  std::vector<std::string> expected;
  for (const auto& command : commands) expected.push_back(Cli(command).out);
  const bool root = geteuid() == 0;
  if (root && access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "running as root without setpriv";
  using fs::perms;
  const struct {
    const char* who;
    bool asReader;    // as a user who may not write the store
    perms folder;     // the folder's permissions
  } cases[] = {{"its owner", false, perms::owner_all | perms::group_read | perms::group_exec | perms::others_read |
                                        perms::others_exec},
               {"a reader, folder read-only", true, perms::owner_read | perms::owner_exec | perms::group_read |
                                                      perms::group_exec | perms::others_read | perms::others_exec},
               {"a reader, folder writable", true, perms::all}};
  for (const auto& c : cases) {
    fs::permissions(folder.Path(), c.folder);
    fs::permissions(Db(), c.asReader ? perms::owner_read | perms::group_read | perms::others_read
                                     : perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
    for (std::size_t k = 0; k < commands.size(); ++k) {
      std::string program = test::BuildPath("cli/zerb32-cli");
      std::vector<std::string> args = commands[k];
      if (c.asReader && root) {
        args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", program});
        program = "/usr/bin/setpriv";
      }
      const auto run = test::RunProcess(program, args);
      EXPECT_EQ(run.exitCode, 0) << c.who << ": " << run.err;
      EXPECT_EQ(run.out, expected[k]) << c.who << " " << args.back();
      for (const char* companion : {"-wal", "-shm"})
        EXPECT_FALSE(fs::exists(Db() + companion)) << c.who << " left " << companion;
    }
  }
  fs::permissions(folder.Path(), perms::owner_all);
  fs::permissions(Db(), perms::owner_read | perms::owner_write);
}

TEST_F(HistoryCli, TwoImportsAtOnceBothComplete) {
  std::vector<std::string> first = {"import", "--db", Db()}, second = first;
  for (std::size_t k = 0; k < 60; ++k) {
    const std::string log = Log("42_" + std::to_string(k) + ".log", 20 * k, 20 * k + 24);  // 5 rows shared
    (k % 2 ? first : second).push_back(log);
    if (k % 5 == 0) (k % 2 ? second : first).push_back(log);  // some logs in both
  }
  const pid_t a = Spawn(first), b = Spawn(second);
  int statusA = 0, statusB = 0;
  waitpid(a, &statusA, 0);
  waitpid(b, &statusB, 0);
  EXPECT_TRUE(WIFEXITED(statusA) && WEXITSTATUS(statusA) == 0);
  EXPECT_TRUE(WIFEXITED(statusB) && WEXITSTATUS(statusB) == 0);
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM imports"), 60);
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM readings"), (20 * 59 + 25) * 5);
}

// A log the store refuses (here a trigger raises an error, as a broken
// constraint would) is reported with its name and reason; the batch goes on.
TEST_F(HistoryCli, OneFailingLogNeverEndsTheBatch) {
  const std::string first = Log("42_a.log", 0, 100), refused = Log("42_bad.log", 100, 200),
                    last = Log("42_c.log", 200, 300);
  ASSERT_EQ(Cli({"import", "--db", Db(), first}).exitCode, 0);
  SqliteDb(Db(), SQLITE_OPEN_READWRITE)
      .Execute("CREATE TRIGGER refuse_bad BEFORE INSERT ON imports WHEN NEW.log_path LIKE '%bad%' "
               "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
  const auto run = Cli({"import", "--db", Db(), first, refused, last});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "skipped " + first + ": already in the store\nimported " + last + " (site 42, 505 readings)\n")
      << run.err;
  EXPECT_NE(run.err.find(refused + ": cannot write the store " + Db() + ": refused by the test; nothing of it was stored"),
            std::string::npos) << run.err;
  EXPECT_EQ(Query(Db(), "SELECT count(*) FROM imports"), 2);
}

// Standard output into a file, as a scheduled job has it: each log
// committed before SIGTERM has its line there.
TEST_F(HistoryCli, EachCommittedLogKeepsItsLineWhenTerminated) {
  std::vector<std::string> args = {"import", "--db", Db()};
  for (std::size_t k = 0; k < 150; ++k) args.push_back(Log("42_" + std::to_string(k) + ".log", 10 * k, 10 * k + 9));
  const std::string lines = folder.File("lines.txt");
  const int out = open(lines.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  ASSERT_GE(out, 0);
  test::BackgroundProcess import(test::BuildPath("cli/zerb32-cli"), args, out);
  close(out);
  for (int wait = 0; wait < 2000; ++wait) {  // until a few logs are in
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    try {
      if (fs::exists(Db()) && Query(Db(), "SELECT count(*) FROM imports") >= 5) break;
    } catch (const SqliteError&) {
    }
  }
  import.Signal(SIGTERM);
  test::ProcessResult ended;
  ASSERT_TRUE(import.EndsWithin(30, ended));
  ASSERT_EQ(ended.signal, SIGTERM) << "the import ended before it was stopped";
  const std::string printed = ReadFile(lines);
  SqliteDb store(Db(), SQLITE_OPEN_READONLY);
  SqliteStatement paths(store, "SELECT log_path FROM imports");
  int64_t committed = 0;
  for (; paths.Step(); ++committed)
    EXPECT_NE(printed.find("imported " + paths.Text(0) + " (site 42, 50 readings)\n"), std::string::npos)
        << paths.Text(0) << "\n" << printed;
  EXPECT_GE(committed, 5);
  EXPECT_LT(committed, 150);
}

// What reads as a connection string is never made a file; a file of such a
// name is written sqlite:NAME or ./NAME.
TEST_F(HistoryCli, ConnectionStringsAreNeverFiles) {
  const std::string log = Log("42_a.log", 0, 20);
  const auto in = [&](const std::string& db) {
    return test::RunProcess("/bin/sh", {"-c", "cd \"$0\" && exec \"$@\"", folder.Path(), test::BuildPath("cli/zerb32-cli"),
                                        "import", "--db", db, log});
  };
  for (const char* address : {"site=42.db", "keepalives=1 host=/nonexistent-zerb dbname=zerb password=S3cret",
                              "hots=/nonexistent-zerb dbname=zerb"}) {
    const auto run = in(address);
    EXPECT_NE(run.exitCode, 0) << address;
    EXPECT_EQ(run.out, "") << address;
    EXPECT_FALSE(fs::exists(folder.File(address))) << address;
  }
  for (const char* file : {"sqlite:site=42.db", "./site=42.db"}) {
    const auto run = in(file);
    EXPECT_EQ(run.exitCode, 0) << file << run.err;
    EXPECT_EQ(Query(folder.File("site=42.db"), "SELECT count(*) FROM imports"), 1) << file;
  }
}

// --fill-gaps writes at most a limit of empty rows, --max-fill moves it.
TEST_F(HistoryCli, FillingGapsHasALimit) {
  const std::string early = Log("42_a.log", 0, 300), late = Log("42_c.log", 700, 900);
  const std::string out = folder.File("filled.csv");
  auto run = Cli({"merge", early, late, "--fill-gaps", "--max-fill", "398", "-o", out});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("--fill-gaps would write 399 empty rows, more than the 398 that --max-fill allows"),
            std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(out));
  run = Cli({"merge", early, late, "--fill-gaps", "--max-fill", "399", "-o", out, "--no-headers"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string filled = ReadFile(out);
  EXPECT_EQ(std::count(filled.begin(), filled.end(), '\n'), 301 + 399 + 201);
  // A clock set years wrong: the default limit holds.
  const std::string wrongClock = folder.File("42_w.log");
  ASSERT_TRUE(WriteLogFile(wrongClock, CutLog(series, 950, 960, true, 100 + 300u * 1'002'000u)));
  run = Cli({"merge", early, wrongClock, "--lan", "--fill-gaps", "-o", out});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("more than the 1000000 that --max-fill allows"), std::string::npos) << run.err;
}

// history lists the site file's 8-bit names in UTF-8.
TEST_F(HistoryCli, HistoryWritesUtf8) {
  ASSERT_EQ(Cli({"import", "--db", Db(), Log("42_a.log", 0, 20)}).exitCode, 0);
  SqliteDb(Db(), SQLITE_OPEN_READWRITE)
      .Execute("UPDATE sites SET name = CAST(X'436166E920801B' AS TEXT); "
               "UPDATE import_channels SET name = CAST(X'54656D7020B0' AS TEXT) WHERE kind = 0 AND key = 1");
  const auto run = Cli({"history", "--db", Db()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Site 42: Caf\xC3\xA9 \xE2\x82\xAC\\x1B\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("sensor 0x0001 Temp \xC2\xB0 (TS4-C)\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace zerb::historytest
