#include "sensor/TS4Table.h"

#include <gtest/gtest.h>

#include <string>

#include "sensor/SensorTypes.h"

namespace zerb {
namespace {

constexpr unsigned kTs4C = 2;

TEST(TS4Table, OnlyEntries10To243AreUsedAndTheyRise) {
  for (unsigned i = 0; i < 256; ++i) {
    if (i < 10 || i > 243) {
      EXPECT_EQ(TS4Table[i], 0) << "entry " << i;
    }
  }
  int sum = 0;
  for (unsigned i = 10; i <= 243; ++i) {
    sum += TS4Table[i];
    if (i > 10) {
      EXPECT_GT(TS4Table[i], TS4Table[i - 1]) << "entry " << i;
    }
  }
  EXPECT_EQ(sum, 51940);  // sum of the curve's 234 published points
}

TEST(TS4Table, RowStartsOfTheCurve) {
  struct Row { unsigned index; int16_t want; };
  const Row rows[] = {
      {10, -384}, {22, -251}, {34, -168}, {46, -104}, {58, -50},  {70, -1},   {82, 43},
      {94, 86},   {106, 127}, {118, 168}, {130, 209}, {142, 252}, {154, 296}, {166, 344},
      {178, 396}, {190, 455}, {202, 523}, {214, 608}, {226, 721}, {238, 898}, {243, 1015},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(TS4Table[r.index], r.want) << "entry " << r.index;
  }
}

// x = 1023 - raw (16-bit): the entry of x's group of four plus one tenth per
// count inside the group; valid exactly for raw 51..983.
TEST(Ts4C, FollowsTheCurveOverEveryRawCount) {
  int previous = 0;
  for (unsigned raw = 0; raw <= 0xFFFF; ++raw) {
    const int got = SensorConvert(kTs4C, static_cast<int>(raw));
    if (raw < 51 || raw > 983) {
      ASSERT_EQ(got, InvalidValue) << "raw " << raw;
      continue;
    }
    const unsigned x = 1023 - raw;
    ASSERT_EQ(got, TS4Table[x / 4] + static_cast<int>(x % 4)) << "raw " << raw;
    // Higher counts never read warmer.
    if (raw > 51) {
      ASSERT_LE(got, previous) << "raw " << raw;
    }
    previous = got;
  }
}

}  // namespace
}  // namespace zerb
