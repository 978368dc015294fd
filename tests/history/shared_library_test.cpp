// The run-time loader: a library or function that is not there is a failure
// with the system loader's reason, never a null pointer taken for a function.

#include "history/SharedLibrary.h"

#include <gtest/gtest.h>

namespace zerb {
namespace {

using VersionFunction = int();

TEST(SharedLibrary, FindsFunctionsAndNamesWhatIsMissing) {
  VersionFunction* version = nullptr;
  SharedLibrary missing("libzerb32-no-such-library.so.0");
  EXPECT_FALSE(missing.Opened());
  EXPECT_NE(missing.Error().find("libzerb32-no-such-library.so.0"), std::string::npos) << missing.Error();
  EXPECT_FALSE(missing.Find("sqlite3_libversion_number", version));
  EXPECT_EQ(version, nullptr);

  SharedLibrary sqlite("libsqlite3.so.0");
  ASSERT_TRUE(sqlite.Opened()) << sqlite.Error();
  ASSERT_TRUE(sqlite.Find("sqlite3_libversion_number", version));
  EXPECT_GE(version(), 3000000);
  EXPECT_FALSE(sqlite.Find("sqlite3_no_such_function", version));
  EXPECT_EQ(version, nullptr);
  EXPECT_NE(sqlite.Error().find("sqlite3_no_such_function"), std::string::npos) << sqlite.Error();
}

}  // namespace
}  // namespace zerb
