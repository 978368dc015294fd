#pragma once
// The throw-away server that tools/pg-test-cluster.sh starts around a test
// executable: addresses of fresh databases on it, its password role.

#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/Process.h"

namespace zerb::test {

inline std::string PgEnv(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Skips the test when it runs outside the cluster script.
#define ZERB_REQUIRE_PG_SERVER() \
  if (::zerb::test::PgEnv("ZERB32_PG_URI").empty()) GTEST_SKIP() << "no test cluster (run under tools/pg-test-cluster.sh)"

// The URI of a database on the test server, as `user` (the superuser when
// empty).
inline std::string PgUri(const std::string& database, const std::string& user = "zerb32") {
  return "postgresql:///" + database + "?host=" + PgEnv("ZERB32_PG_SOCKET") + "&port=" + PgEnv("ZERB32_PG_PORT") +
         "&user=" + user;
}

// Runs SQL on a database of the test server with psql; what it printed
// (unaligned, tuples only).
inline std::string PgSql(const std::string& database, const std::string& sql) {
  const ProcessResult run = RunProcess(PgEnv("ZERB32_PG_BINDIR") + "/psql",
                                       {"-X", "-q", "-At", "-v", "ON_ERROR_STOP=1", "-d", PgUri(database), "-c", sql});
  EXPECT_EQ(run.exitCode, 0) << sql << ": " << run.err;
  return run.out;
}

// The name of a new, empty database on the test server.
inline std::string NewPgDatabase() {
  static int count = 0;
  const std::string name = "zerb32_" + std::to_string(getpid()) + "_" + std::to_string(++count);
  PgSql("postgres", "CREATE DATABASE " + name);
  return name;
}

}  // namespace zerb::test
