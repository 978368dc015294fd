// The run-time loader: a library or function that is not there is a failure
// with the system loader's reason, never a null pointer taken for a function.
// (Finding what is there is what every store test does.)

#include "system/SharedLibrary.h"

#include <gtest/gtest.h>

namespace zerb {
namespace {

TEST(SharedLibrary, NamesWhatIsMissing) {
  int (*version)() = nullptr;
  SharedLibrary missing("libzerb32-no-such-library.so.0");
  EXPECT_FALSE(missing.Opened());
  EXPECT_NE(missing.Error().find("libzerb32-no-such-library.so.0"), std::string::npos) << missing.Error();
  EXPECT_FALSE(missing.Find("sqlite3_libversion_number", version));

  SharedLibrary sqlite("libsqlite3.so.0");
  ASSERT_TRUE(sqlite.Opened()) << sqlite.Error();
  EXPECT_FALSE(sqlite.Find("sqlite3_no_such_function", version));
  EXPECT_EQ(version, nullptr);
  EXPECT_NE(sqlite.Error().find("sqlite3_no_such_function"), std::string::npos) << sqlite.Error();
}

}  // namespace
}  // namespace zerb
