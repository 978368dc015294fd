// The libpq layer against a real server: addresses in both forms, libpq's
// password conventions, one-line failures without the password, a
// connection dropped under a running session, COPY.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "history/postgres/PgConnection.h"
#include "postgres/PgServer.h"
#include "support/TempDir.h"

namespace zerb::test {
namespace {

std::unique_ptr<PgConnection> Connect(const std::string& address) {
  std::string error;
  auto connection = PgConnection::Open(address, error);
  EXPECT_TRUE(connection) << error;
  return connection;
}

TEST(PgConnection, OpensUrisAndConnectionStringsAndBindsValues) {
  ZERB_REQUIRE_PG_SERVER();
  const std::string conninfo =
      "host=" + PgEnv("ZERB32_PG_SOCKET") + " port=" + PgEnv("ZERB32_PG_PORT") + " user=zerb32 dbname=postgres";
  for (const std::string& address : {PgUri("postgres"), conninfo}) {
    auto connection = Connect(address);
    if (!connection) continue;
    PgResult result = connection->Exec("SELECT $1::int + 1, $2::text IS NULL", {"41", std::nullopt});
    ASSERT_TRUE(result.Ok()) << result.Error();
    EXPECT_EQ(result.Integer(0, 0), 42);
    EXPECT_EQ(result.Text(0, 1), "t");
  }
}

TEST(PgConnection, FailuresAreOneLineWithoutThePassword) {
  ZERB_REQUIRE_PG_SERVER();
  const std::string password = PgEnv("ZERB32_PG_SECRET_PASSWORD");
  const std::string secretUser = PgEnv("ZERB32_PG_SECRET_USER");
  const std::string wrong = password + "x";
  const struct {
    std::string address;
    const char* reason;
  } rows[] = {
      {"postgresql://" + secretUser + ":" + wrong + "@/postgres?host=" + PgEnv("ZERB32_PG_SOCKET"),
       "password authentication failed"},
      {PgUri("no_such_db") + "&password=" + password, "database \"no_such_db\" does not exist"},
      {"postgresql://u:" + password + "@/postgres?host=/nonexistent/zerb32", "No such file or directory"},
      {"postgresql://u:" + password + "@[::1/postgres", "postgresql://u@[::1/postgres"},
      {"host=/nonexistent/zerb32 password=" + password + " dbname", "missing \"=\" after \"dbname\""},
  };
  for (const auto& row : rows) {
    std::string error;
    EXPECT_FALSE(PgConnection::Open(row.address, error));
    EXPECT_NE(error.find(row.reason), std::string::npos) << error;
    EXPECT_EQ(error.find(password), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    EXPECT_EQ(error.rfind("cannot connect to the PostgreSQL store ", 0), 0u) << error;
  }
}

TEST(PgConnection, TakesThePasswordFromLibpqsEnvironmentAndPasswordFile) {
  ZERB_REQUIRE_PG_SERVER();
  const std::string address = PgUri("postgres", PgEnv("ZERB32_PG_SECRET_USER"));
  const std::string password = PgEnv("ZERB32_PG_SECRET_PASSWORD");
  TempDir folder;
  const std::string passfile = folder.File("pgpass");
  std::ofstream(passfile) << "*:*:*:" << PgEnv("ZERB32_PG_SECRET_USER") << ":" << password << "\n";
  std::filesystem::permissions(passfile, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

  setenv("PGPASSWORD", password.c_str(), 1);
  EXPECT_TRUE(Connect(address));
  unsetenv("PGPASSWORD");
  setenv("PGPASSFILE", passfile.c_str(), 1);
  EXPECT_TRUE(Connect(address));
  unsetenv("PGPASSFILE");
}

TEST(PgConnection, ADroppedConnectionFailsTheNextStatementAndSaysSo) {
  ZERB_REQUIRE_PG_SERVER();
  auto victim = Connect(PgUri("postgres"));
  auto killer = Connect(PgUri("postgres"));
  ASSERT_TRUE(victim && killer);
  ASSERT_TRUE(killer->Exec("SELECT pg_terminate_backend($1)", {std::to_string(victim->BackendPid())}).Ok());
  PgResult result = victim->Exec("SELECT 1");
  EXPECT_FALSE(result.Ok());
  EXPECT_FALSE(result.Error().empty());
  EXPECT_TRUE(victim->Lost());
}

TEST(PgConnection, CopyLoadsRowsAndReportsBadOnes) {
  ZERB_REQUIRE_PG_SERVER();
  auto connection = Connect(PgUri("postgres"));
  ASSERT_TRUE(connection);
  ASSERT_TRUE(connection->Exec("CREATE TEMPORARY TABLE t (a integer, b text)").Ok());
  EXPECT_EQ(connection->CopyIn("COPY t FROM STDIN", "1\tone\n2\t\\N\n"), "");
  EXPECT_EQ(connection->Exec("SELECT count(*) FROM t").Integer(0, 0), 2);
  const std::string error = connection->CopyIn("COPY t FROM STDIN", "3\tthree\nfour\t4\n");
  EXPECT_NE(error.find("invalid input syntax"), std::string::npos) << error;
  EXPECT_EQ(connection->Exec("SELECT count(*) FROM t").Integer(0, 0), 2);
}

}  // namespace
}  // namespace zerb::test
