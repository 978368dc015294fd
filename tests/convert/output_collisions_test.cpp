#include "convert/OutputCollisions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace zerb {
namespace {

TEST(CollidingOutputs, SameFileUnderAnyNameCollides) {
  test::TempDir dir;
  const std::string a = dir.File("5.CSV");
  std::filesystem::create_directory(dir.File("sub"));
  const struct {
    const char* name;
    std::vector<std::string> outputs;
    std::vector<bool> colliding;
  } rows[] = {
      {"all different", {a, dir.File("6.CSV"), dir.File("sub/5.CSV")}, {false, false, false}},
      {"same text", {a, dir.File("6.CSV"), a}, {true, false, true}},
      {"same file by another way", {a, dir.File("sub/../5.CSV")}, {true, true}},
      {"one alone", {a}, {false}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CollidingOutputs(row.outputs), row.colliding);
  }
}

}  // namespace
}  // namespace zerb
