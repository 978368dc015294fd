#pragma once
// The throw-away server that tools/pg-test-cluster.sh starts around a test
// executable: addresses of fresh databases on it, its password role.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

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

}  // namespace zerb::test
