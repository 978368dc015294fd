// `zerb32-cli watch` as a process on real folders and stores: logs that
// arrive every way they do, each stored exactly once and exported as merge
// writes them; bad input; two watchers feeding one PostgreSQL store.

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "history/Sqlite.h"
#include "history/history_support.h"
#include "history/postgres/PgConnection.h"
#include "postgres/PgServer.h"
#include "support/Files.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace zerb::historytest {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;

const std::string Program = test::BuildPath("cli/zerb32-cli");

test::ProcessResult Cli(const std::vector<std::string>& args) { return test::RunProcess(Program, args, 60); }

// A watcher whose standard error goes to a file.
struct RunningWatcher {
  RunningWatcher(const std::string& errFile, std::vector<std::string> args)
      : process("/bin/sh", Args(errFile, std::move(args))), err(errFile) {}
  static std::vector<std::string> Args(const std::string& errFile, std::vector<std::string> args) {
    std::vector<std::string> all = {"-c", "exec \"$0\" \"$@\" 2>>" + errFile, Program, "watch", "--settle", "0.3"};
    all.insert(all.end(), args.begin(), args.end());
    return all;
  }
  std::string Said() const { return fs::exists(err) ? ReadFile(err) : ""; }
  test::BackgroundProcess process;
  std::string err;
};

// Waits (a minute at most) for `done`.
bool Eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 600; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return done();
}

int64_t SqliteCount(const std::string& db, const char* sql) {
  if (!fs::exists(db)) return -1;
  try {
    SqliteDb store(db, SQLITE_OPEN_READONLY);
    SqliteStatement statement(store, sql);
    return statement.Step() ? statement.Int(0) : -1;
  } catch (const std::exception&) {
    return -1;  // being made
  }
}

class Watch : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(in);
    WriteSiteFile(in + "/42.STE", 1);
    series = LongSeries(3000, 42);
  }
  std::vector<uint8_t> Bytes(std::size_t first, std::size_t last) { return CutLog(series, first, last, true); }
  // `export` of site 42 equals `merge` of `logs`.
  void ExpectExportIsMerge(const std::string& store, const std::vector<std::string>& logs) {
    std::vector<std::string> merge = {"merge", "-o", "-"};
    merge.insert(merge.end(), logs.begin(), logs.end());
    const auto merged = Cli(merge), exported = Cli({"export", "--db", store, "--site", "42", "-o", "-"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, merged.out);
  }
  TempDir folder;
  const std::string in = folder.File("in"), db = folder.File("site.db"), err = folder.File("err.txt");
  std::vector<std::vector<int16_t>> series;
};

TEST_F(Watch, StoresEachArrivingLogOnceAndWhole) {
  ASSERT_TRUE(WriteLogFile(in + "/42_before.log", Bytes(0, 200)));
  RunningWatcher watcher(err, {"--db", db, in});
  const auto imports = [&] { return SqliteCount(db, "SELECT count(*) FROM imports"); };
  ASSERT_TRUE(Eventually([&] { return imports() == 1; })) << watcher.Said();

  // Each way a log arrives, and what the store then holds.
  const std::vector<uint8_t> slow = Bytes(150, 500), cut = Bytes(900, 1100), twice = Bytes(600, 800);
  const struct {
    const char* what;
    std::function<void()> arrive;
    int64_t imports;
    std::string said = "";  // a line it brings
  } arrivals[] = {
      {"written in pieces over seconds",
       [&] {
         std::FILE* file = std::fopen((in + "/42_slow.log").c_str(), "wb");
         for (std::size_t at = 0; at < slow.size(); at += slow.size() / 4 + 1) {
           std::fwrite(slow.data() + at, 1, std::min(slow.size() - at, slow.size() / 4 + 1), file);
           std::fflush(file);
           std::this_thread::sleep_for(std::chrono::milliseconds(200));
         }
         std::fclose(file);
       },
       2},
      {"moved in", [&] {
         ASSERT_TRUE(WriteLogFile(folder.File("42_moved.log"), Bytes(400, 650)));
         fs::rename(folder.File("42_moved.log"), in + "/42_moved.log");
       }, 3},
      {"in a new folder", [&] {
         fs::create_directories(in + "/new/deeper");
         WriteSiteFile(in + "/new/deeper/42.STE", 1);
         ASSERT_TRUE(WriteLogFile(in + "/new/deeper/42_new.log", twice));
       }, 4},
      {"the same log under another name", [&] { ASSERT_TRUE(WriteLogFile(in + "/42_copy.log", twice)); }, 4,
       "skipped " + in + "/42_copy.log: already in the store"},
      {"damaged", [&] {
         std::vector<uint8_t> damaged = twice;
         damaged[42] = 7;  // the format version
         ASSERT_TRUE(WriteLogFile(in + "/42_damaged.log", damaged));
       }, 4, "refused " + in + "/42_damaged.log: the log has format version 7"},
      {"cut, then completed", [&] {
         test::WriteFile(in + "/42_cut.log", std::string(cut.begin(), cut.begin() + cut.size() / 2));
         std::this_thread::sleep_for(std::chrono::milliseconds(1500));
         ASSERT_TRUE(WriteLogFile(in + "/42_cut.log", cut));
       }, 5},
  };
  for (const auto& arrival : arrivals) {
    arrival.arrive();
    EXPECT_TRUE(Eventually([&] {
      return imports() == arrival.imports && watcher.Said().find(arrival.said) != std::string::npos;
    })) << arrival.what << "\n" << watcher.Said();
  }
  // Nothing more comes of a look through the folders (SIGHUP).
  watcher.process.Signal(SIGHUP);
  watcher.process.Signal(SIGTERM);
  test::ProcessResult ended;
  ASSERT_TRUE(watcher.process.EndsWithin(30, ended));
  EXPECT_EQ(ended.exitCode, 0);
  EXPECT_EQ(imports(), 5);
  const std::string said = watcher.Said();
  EXPECT_EQ(said.find("refused " + in + "/42_cut.log"), std::string::npos) << said;
  ExpectExportIsMerge(db, {in + "/42_before.log", in + "/42_slow.log", in + "/42_moved.log",
                           in + "/new/deeper/42_new.log", in + "/42_cut.log"});
}

TEST_F(Watch, BadInputIsOneClearLine) {
  fs::create_directories(folder.File("locked"));
  fs::permissions(folder.File("locked"), fs::perms::none);
  const bool root = fs::is_directory(folder.File("locked")) && access(folder.File("locked").c_str(), R_OK) == 0;
  const struct {
    std::vector<std::string> args;
    int exitCode;
    const char* says;
  } cases[] = {
      {{"--db", db, folder.File("missing")}, 1, "missing: no such folder"},
      {{"--db", db, folder.File("locked")}, root ? -1 : 1, "cannot be read"},
      {{"--db", "", in}, 2, "--db names no store"},
      {{"--db", folder.File("no/such/folder/site.db"), in}, 1, "site.db"},
      {{"--db", db, "--settle", "-1", in}, 2, "--settle"},
      {{"--db", db, "--rescan", "0", in}, 2, "--rescan"},
  };
  for (const auto& c : cases) {
    if (c.exitCode < 0) continue;  // root reads every folder
    std::vector<std::string> args = {"watch"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = Cli(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.says << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  fs::permissions(folder.File("locked"), fs::perms::owner_all);

  // A watched folder that goes away ends the watcher with its reason.
  RunningWatcher watcher(err, {"--db", db, in});
  ASSERT_TRUE(Eventually([&] { return fs::exists(db); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  fs::remove_all(in);
  test::ProcessResult ended;
  ASSERT_TRUE(watcher.process.EndsWithin(30, ended));
  EXPECT_EQ(ended.exitCode, 1);
  EXPECT_NE(watcher.Said().find("the watched folder is gone"), std::string::npos) << watcher.Said();
}

// Two watchers, each on a folder of its own holding the same logs, feeding
// one PostgreSQL store: each log is stored once, whoever loses a race
// skips it.
TEST_F(Watch, TwoWatchersIntoOnePostgresStore) {
  ZERB_REQUIRE_PG_SERVER();
  const std::string store = test::PgUri(test::NewPgDatabase());
  std::vector<std::string> names;
  for (const std::string side : {"a", "b"}) {
    fs::create_directories(folder.File(side));
    WriteSiteFile(folder.File(side + "/42.STE"), 1);
  }
  RunningWatcher a(folder.File("a.err"), {"--db", store, folder.File("a")});
  RunningWatcher b(folder.File("b.err"), {"--db", store, folder.File("b")});
  const std::size_t logs = 12;
  for (std::size_t i = 0; i < logs; ++i) {
    const std::string name = "42_" + std::to_string(i) + ".log";
    for (const std::string side : {"a", "b"}) ASSERT_TRUE(WriteLogFile(folder.File(side + "/" + name), Bytes(i * 200, i * 200 + 250)));
    names.push_back(folder.File("a/" + name));
  }
  std::string error;
  const auto connection = PgConnection::Open(store, error);
  ASSERT_TRUE(connection) << error;
  const auto count = [&](const char* sql) {
    const PgResult result = connection->Exec(sql);
    return result.Ok() && result.Rows() > 0 ? result.Integer(0, 0) : -1;
  };
  const auto said = [&] { return ReadFile(a.err) + ReadFile(b.err); };
  const auto told = [&](const std::string& word) {
    std::size_t n = 0;
    const std::string all = said();
    for (std::size_t at = all.find(word); at != std::string::npos; at = all.find(word, at + 1)) ++n;
    return n;
  };
  EXPECT_TRUE(Eventually([&] { return told("stored ") + told("skipped ") == 2 * logs; })) << said();
  EXPECT_EQ(told("stored "), logs) << said();
  EXPECT_EQ(count("SELECT count(*) FROM imports"), static_cast<int64_t>(logs));
  EXPECT_EQ(said().find("cannot"), std::string::npos) << said();
  ExpectExportIsMerge(store, names);
}

}  // namespace
}  // namespace zerb::historytest
