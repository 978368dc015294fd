#include "app/IntegerText.h"

#include <gtest/gtest.h>

namespace zerb {
namespace {

TEST(ParseInteger, AcceptsStrictWholeNumbersOnly) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"0", 0},
      {"  42", 42},
      {"\t-1", -1},
      {"+7", 7},
      {"70000", 70000},
      {"$10", 16},
      {"0x1f", 31},
      {"0XFF", 255},
      {"-$10", -16},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"0x7FFFFFFF", INT32_MAX},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$FFFFFFFF", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"12 ", std::nullopt},  // nothing may follow the digits
      {"1e3", std::nullopt},
      {"12abc", std::nullopt},
      {"0x1g", std::nullopt},
      {"--1", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("'") + c.text + "'");
    EXPECT_EQ(ParseInteger(c.text), c.value);
  }
}

TEST(ParseInteger, MessageQuotesTheText) {
  EXPECT_EQ(NotAnIntegerMessage("abc"), "'abc' is not a valid integer value");
  EXPECT_EQ(NotAnIntegerMessage(""), "'' is not a valid integer value");
}

}  // namespace
}  // namespace zerb
