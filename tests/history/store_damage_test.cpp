// Stores that can't be opened or read as they are: a folder that isn't
// there, an empty file, damaged pages, a store mark without a version, an
// upgrade that can't run, a role that may make nothing, a connection ended
// by the server. Each fails with one sentence that says what went wrong,
// on opening or on every read, and never crashes or answers with nothing.

#include <functional>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "history/Store.h"
#include "history/engine_support.h"
#include "history/history_support.h"
#include "support/Files.h"

namespace zerb::historytest {
namespace {

std::string DatabaseOf(const std::string& uri) {
  const std::size_t from = uri.find("///") + 3;
  return uri.substr(from, uri.find('?') - from);
}

// A role that may log in and nothing more (no CREATE in the public schema).
std::string PlainRoleUri(const std::string& database) {
  test::PgSql("postgres",
              "DO $$ BEGIN CREATE ROLE zerb32_plain LOGIN; EXCEPTION WHEN duplicate_object THEN NULL; END $$");
  return test::PgUri(database, "zerb32_plain");
}

// An older store, on the engine, as its fixture holds it.
std::string OldStore(bool postgres, const char* version, const TempDir& folder) {
  const std::string fixture = test::SourcePath(std::string("tests/history/stores/store-v") + version);
  if (!postgres) {
    const std::string path = folder.File(std::string("v") + version + ".db");
    test::WriteFile(path, test::ReadFile(fixture + ".db"));
    return path;
  }
  const std::string database = test::NewPgDatabase();
  const auto load = test::RunProcess(test::PgEnv("ZERB32_PG_BINDIR") + "/psql",
                                     {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", test::PgUri(database), "-f",
                                      fixture + ".pg.sql"});
  EXPECT_EQ(load.exitCode, 0) << load.err;
  return test::PgUri(database);
}

// Zeros over every page of the tables `names` (a list for SQL, found
// through SQLite's dbstat table): the schema stays readable.
void DamagePages(const std::string& path, const std::string& names) {
  const auto pages = test::RunProcess(
      "/usr/bin/sqlite3", {path, "PRAGMA journal_mode = DELETE; SELECT pageno FROM dbstat WHERE name IN (" + names + ")"});
  ASSERT_EQ(pages.exitCode, 0) << pages.err;
  std::string bytes = test::ReadFile(path);
  ASSERT_GE(bytes.size(), 100u);
  // The header's page size: big-endian at offset 16, 1 for 65536.
  const std::size_t size = static_cast<unsigned char>(bytes[16]) << 8 | static_cast<unsigned char>(bytes[17]);
  const std::size_t pageSize = size == 1 ? 65536 : size;
  std::istringstream numbers(pages.out.substr(pages.out.find('\n') + 1));  // after the journal mode
  for (std::size_t page = 0; numbers >> page;) {
    ASSERT_LE(page * pageSize, bytes.size());
    bytes.replace((page - 1) * pageSize, pageSize, pageSize, '\0');
  }
  test::WriteFile(path, bytes);
}

struct Damage {
  const char* why;
  bool postgres;
  StoreAccess access;
  // Makes the store (a log of site 42 in it where it can take one).
  std::function<std::string(const TempDir&, const std::string& log)> make;
  // Done to the open store's server before it is read (may be empty).
  std::function<void(const std::string& location)> meanwhile;
  // What fails, with `said` in its error: O the open; once open, the
  // reads S summaries, L logs, P spans, E the export's rows, V envelope.
  // Every other read must succeed.
  const char* failing;
  const char* said;
  // SQL on the store afterwards and what it must give: what a failed
  // open left (nothing when the query is empty).
  const char* query;
  const char* left;
};

// Each step's error ("" when it succeeded), by its letter (see Damage).
std::map<char, std::string> Errors(const Damage& d, const std::string& location) {
  std::unique_ptr<Store> store;
  try {
    store = OpenStore(location, d.access);
  } catch (const StoreError& e) {
    return {{'O', e.what()}};
  }
  if (d.meanwhile) d.meanwhile(location);
  constexpr int64_t From = FirstTime - 86400, To = FirstTime + 30 * 86400;
  const std::pair<char, std::function<std::string()>> reads[] = {
      {'S', [&] { return std::to_string(store->Summaries(std::nullopt).size()); }},
      {'L', [&] { return std::to_string(store->Logs(42, From, To).size()); }},
      {'P', [&] { return std::to_string(store->Spans(42, From, To).size()); }},
      {'E',
       [&] {
         const auto series = store->Export(42, From, To);
         if (!series) return std::string("no site");
         series->ForEachRow([](uint32_t, std::span<const Reading>) { return true; });
         return series->Error();
       }},
      {'V', [&] { return std::string(store->Envelope(42, From, To, 100) ? "" : "no site"); }},
  };
  std::map<char, std::string> errors;
  for (const auto& [letter, read] : reads) {
    try {
      const std::string said = read();
      errors[letter] = letter == 'E' || letter == 'V' ? said : "";
    } catch (const StoreError& e) {
      errors[letter] = e.what();
    }
  }
  return errors;
}

std::string Imported(const std::string& location, const std::string& log) {
  EXPECT_EQ(OpenStore(location, StoreAccess::Write)->Import(log, {}).status, ImportStatus::Imported);
  return location;
}

TEST(StoreDamage, EveryFailureIsASentenceOnOpeningOrOnEveryRead) {
  const bool cluster = !test::PgEnv("ZERB32_PG_URI").empty();
  TempDir folder;
  WriteSiteFile(folder.File("42.STE"), 1);
  const std::string log = folder.File("42.log");
  ASSERT_TRUE(WriteLogFile(log, CutLog(LongSeries(400, 7), 0, 399, false)));
  const auto pg = [](const std::string& sql) {
    return [sql](const TempDir&, const std::string&) {
      const std::string database = test::NewPgDatabase();
      if (!sql.empty()) test::PgSql(database, sql);
      return test::PgUri(database);
    };
  };
  const auto endConnections = [](const std::string& location) {
    test::PgSql(DatabaseOf(location),
                "SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity WHERE datname = current_database() "
                "AND pid <> pg_backend_pid()");
  };
  const auto damaged = [](const char* tables) {
    return [tables](const TempDir& f, const std::string& l) {
      static int count = 0;
      const std::string path = Imported(f.File("damaged" + std::to_string(++count) + ".db"), l);
      DamagePages(path, tables);
      return path;
    };
  };
  const auto upgradeOver = [](bool postgres, const char* version, const char* sql) {
    return [=](const TempDir& f, const std::string&) {
      const std::string location = OldStore(postgres, version, f);
      Sql({"", postgres}, location, sql);
      return location;
    };
  };
  const Damage rows[] = {
      {"store in a folder that isn't there", false, StoreAccess::Write,
       [](const TempDir& f, const std::string&) { return f.File("none/store.db"); }, {}, "O", "cannot open", "", ""},
      {"empty file read", false, StoreAccess::ReadOnly,
       [](const TempDir& f, const std::string&) {
         test::WriteFile(f.File("empty.db"), "");
         return f.File("empty.db");
       },
       {}, "O", "is not a ZERB32 store (it is empty)", "SELECT count(*) FROM sqlite_schema", "0\n"},
      {"the logs' pages damaged", false, StoreAccess::ReadOnly, damaged("'imports', 'holdings'"), {}, "SLPEV",
       "cannot read the store", "", ""},
      {"the readings' pages damaged", false, StoreAccess::ReadOnly, damaged("'readings'"), {}, "SEV",
       "cannot read the store", "", ""},
      {"upgrade to a column that is there", false, StoreAccess::Write,
       upgradeOver(false, "2", "ALTER TABLE sites ADD COLUMN zone TEXT"), {}, "O", "duplicate column name: zone",
       "PRAGMA user_version", "2\n"},
      {"mark without a version", true, StoreAccess::ReadOnly,
       pg("CREATE TABLE zerb32_store (schema_version integer)"), {}, "O",
       "is not a ZERB32 store (no schema version)", "", ""},
      {"role that may make nothing", true, StoreAccess::Write,
       [](const TempDir&, const std::string&) { return PlainRoleUri(test::NewPgDatabase()); }, {}, "O",
       "cannot make the PostgreSQL store", "SELECT count(*) FROM pg_tables WHERE schemaname = 'public'", "0\n"},
      {"upgrade to version 2 over a column that is there", true, StoreAccess::Write,
       upgradeOver(true, "1", "ALTER TABLE imports ADD COLUMN legacy_hash text"), {}, "O",
       "cannot upgrade the PostgreSQL store", "SELECT max(schema_version) FROM zerb32_store", "1\n"},
      {"upgrade to version 3 over a column that is there", true, StoreAccess::Write,
       upgradeOver(true, "2", "ALTER TABLE sites ADD COLUMN zone text"), {}, "O",
       "cannot upgrade the PostgreSQL store", "SELECT max(schema_version) FROM zerb32_store", "2\n"},
      {"older store read by a role without temporary views", true, StoreAccess::ReadOnly,
       [](const TempDir& f, const std::string&) {
         const std::string database = DatabaseOf(OldStore(true, "4", f));
         test::PgSql(database, "REVOKE TEMPORARY ON DATABASE " + database + " FROM PUBLIC");
         const std::string uri = PlainRoleUri(database);
         test::PgSql(database, "GRANT SELECT ON ALL TABLES IN SCHEMA public TO zerb32_plain");
         return uri;
       },
       {}, "O", "cannot read the PostgreSQL store", "", ""},
      {"connection ended by the server", true, StoreAccess::ReadOnly,
       [&](const TempDir& f, const std::string& l) { return Imported(pg("")(f, l), l); }, endConnections, "SLPEV",
       "lost the connection to the PostgreSQL store", "SELECT count(*) FROM imports", "1\n"},
  };
  for (const Damage& row : rows) {
    SCOPED_TRACE(std::string(row.postgres ? "PostgreSQL: " : "SQLite: ") + row.why);
    if (row.postgres && !cluster) continue;
    const std::string location = row.make(folder, log);
    const std::map<char, std::string> errors = Errors(row, location);
    for (const char* letter = row.failing; *letter; ++letter) EXPECT_EQ(errors.count(*letter), 1u) << *letter;
    for (const auto& [letter, error] : errors) {
      SCOPED_TRACE(std::string(1, letter));
      if (std::string_view(row.failing).find(letter) == std::string_view::npos) {
        EXPECT_EQ(error, "");
        continue;
      }
      EXPECT_NE(error.find(row.said), std::string::npos) << error;
      EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    if (*row.query) {
      EXPECT_EQ(Sql({"", row.postgres}, location, row.query), row.left);
    }
  }
}

}  // namespace
}  // namespace zerb::historytest
