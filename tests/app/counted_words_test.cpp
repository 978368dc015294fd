// Counts and their nouns in messages.

#include <gtest/gtest.h>

#include "app/CountedWords.h"

namespace zerb {
namespace {

TEST(CountedWords, TheNounAgreesWithTheCount) {
  const struct {
    uint64_t count;
    const char* one;
    const char* many;
    const char* text;
  } cases[] = {
      {0, "gap", "", "0 gaps"},
      {1, "gap", "", "1 gap"},
      {2, "empty row", "", "2 empty rows"},
      {1, "entry", "entries", "1 entry"},
      {12, "entry", "entries", "12 entries"},
      {UINT64_MAX, "reading", "", "18446744073709551615 readings"},
  };
  for (const auto& c : cases) EXPECT_EQ(Counted(c.count, c.one, c.many), c.text);
}

}  // namespace
}  // namespace zerb
