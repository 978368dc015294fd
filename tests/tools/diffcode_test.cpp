#include "tools/DiffCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace zerb {
namespace {

TEST(DiffCode, LengthAndBitsAtEveryClassEdge) {
  struct Row {
    bool negative;
    uint32_t magnitude;
    unsigned length;
    uint32_t bits;
  };
  const Row rows[] = {
      {false, 0, 1, 0x0},
      {true, 0, 1, 0x0},  // zero has no sign
      {false, 1, 4, 0b0001},
      {true, 2, 4, 0b1101},  // the first nibble of 0x3D
      {false, 3, 7, 0b0000011},
      {false, 5, 7, 0b0100011},  // 0x3D >> 4 then 0x02's low bits
      {true, 10, 7, 0b1111011},
      {false, 11, 12, 0b0000'0000'0111},
      {false, 138, 12, 0b1111'1110'0111},
      {false, 139, 21, 0b01111},
      {true, 139, 21, 0b101111},
      {false, 32906, 21, 0x7FFFu << 6 | 0b01111},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.negative ? "-" : "+") << row.magnitude);
    const DiffCode code = MakeCode(row.negative, row.magnitude);
    EXPECT_EQ(code.length, row.length);
    EXPECT_EQ(code.bits, row.bits);
  }
  EXPECT_THROW(MakeCode(false, 32907), std::invalid_argument);
}

TEST(DiffCode, ShortestCodeLengthFollowsTheMagnitudeOfEveryDifference) {
  for (int d = -32768; d <= 32767; ++d) {
    const unsigned magnitude = static_cast<unsigned>(std::abs(d));
    const unsigned want = magnitude == 0 ? 1 : magnitude <= 2 ? 4 : magnitude <= 10 ? 7 : magnitude <= 138 ? 12 : 21;
    ASSERT_EQ(ShortestCode(static_cast<int16_t>(d)).length, want) << d;
  }
}

TEST(RingBitWriter, WrapsFromTheLastByteToTheFirst) {
  std::vector<uint8_t> ring(3, 0xAA);
  RingBitWriter writer(ring, 2, 5);
  writer.Put({0x1FFFFF, 21});  // 3 bits in byte 2, then bytes 0 and 1, 2 bits of byte 2
  EXPECT_EQ(ring[0], 0xFF);
  EXPECT_EQ(ring[1], 0xFF);
  EXPECT_EQ(ring[2], 0xAA | 0xE0 | 0x03);
  EXPECT_EQ(writer.BitsWritten(), 21u);
  writer.Put({0, 3});  // bits 2-4 of byte 2: the ring is now full
  EXPECT_EQ(ring[2], 0xE3);
  EXPECT_THROW(writer.Put({0, 1}), std::length_error);
}

TEST(RingBitWriter, RejectsAStartOutsideTheRing) {
  std::vector<uint8_t> ring(4);
  EXPECT_THROW(RingBitWriter(ring, 4, 0), std::invalid_argument);
  EXPECT_THROW(RingBitWriter(ring, 0, 8), std::invalid_argument);
  std::vector<uint8_t> empty;
  RingBitWriter nothing(empty, 0, 0);
  EXPECT_THROW(nothing.Put({0, 1}), std::length_error);
}

}  // namespace
}  // namespace zerb
