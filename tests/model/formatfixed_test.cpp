#include "model/FormatFixed.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace zerb {
namespace {

struct FixedRow {
  int value;
  int exponent;
  int width;
  std::string text;
};

TEST(FormatFixed, Texts) {
  const FixedRow rows[] = {
      {1234, -2, 0, "12.34"},
      {5, -2, 0, "0.05"},
      {-5, -1, 0, "-0.5"},
      {12, 2, 0, "1200"},
      {0, 2, 0, "0"},
      {0, -2, 0, "0.00"},
      {5, -1, 6, "   0.5"},
      {0, 0, 0, "0"},
      {-32767, 0, 0, "-32767"},
      {-32767, -1, 0, "-3276.7"},
      {9, 0, 0, "9"},
      {10, 0, 0, "10"},
      {99, 0, 0, "99"},
      {100, 0, 0, "100"},
      {999999999, 0, 0, "999999999"},
      {1000000000, 0, 0, "1000000000"},
      {INT_MAX, 0, 0, "2147483647"},
      {INT_MIN, 0, 0, "-2147483648"},
      {INT_MIN, -12, 0, "-0.002147483648"},
      {-1, 3, 0, "-1000"},
      {12, -1, 2, "1.2"},    // width below the length adds nothing
      {12, -1, 3, "1.2"},
      {12, -1, -5, "1.2"},   // a negative width adds nothing
      {-7, 0, 4, "  -7"},    // the blanks go before the sign
      {1, 127, 0, "1" + std::string(127, '0')},
      {-1, 127, 0, "-1" + std::string(127, '0')},
      {0, 127, 0, "0"},
      {1, -128, 0, "0." + std::string(127, '0') + "1"},
      {-32767, -128, 0, "-0." + std::string(123, '0') + "32767"},
      {42, 0, 200, std::string(198, ' ') + "42"},
  };
  for (const FixedRow& row : rows) {
    SCOPED_TRACE(std::to_string(row.value) + " e" + std::to_string(row.exponent) + " w" + std::to_string(row.width));
    EXPECT_EQ(FormatFixed(row.value, row.exponent, row.width), row.text);
  }
}

TEST(FormatFixed, CopiesIntoDestinationWithTerminator) {
  std::vector<char> dest(140, 'x');
  const std::string_view text = FormatFixed(-5, -1, 6, dest.data());
  EXPECT_EQ(text, "  -0.5");
  EXPECT_STREQ(dest.data(), "  -0.5");
  EXPECT_EQ(dest[7], 'x');

  const std::string_view longText = FormatFixed(3, 130, 0, dest.data());
  EXPECT_EQ(longText.size(), 131u);
  EXPECT_EQ(std::string(dest.data()), std::string(longText));
}

TEST(FormatFixed, NextCallOverwritesAfterALongText) {
  EXPECT_EQ(FormatFixed(1, 0, 500).size(), 500u);
  // A shorter text after a long one is not left with the old tail.
  const std::string_view shortText = FormatFixed(25, -1);
  EXPECT_EQ(shortText, "2.5");
}

// Value texts take a short route (no width, exponent -9 to 0); width 1
// never pads a text, but takes the general one: both must agree on every
// 16-bit value and the ends of the int range.
TEST(FormatFixed, ShortRouteMatchesGeneralRoute) {
  std::vector<int> values = {INT_MIN, INT_MIN + 1, -1000000000, 999999999, 1000000000, INT_MAX};
  for (int v = -32768; v <= 32767; ++v) values.push_back(v);
  for (int exponent = -9; exponent <= 0; ++exponent) {
    for (int value : values) {
      const std::string shortText(FormatFixed(value, exponent));
      const std::string general(FormatFixed(value, exponent, 1));
      ASSERT_EQ(shortText, general) << value << " e" << exponent;
    }
  }
}

}  // namespace
}  // namespace zerb
