// The libpq layer against a real server: addresses in both forms, libpq's
// password conventions, COPY. Failures and dropped connections are tested
// through the commands (pg_cli_test).

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
