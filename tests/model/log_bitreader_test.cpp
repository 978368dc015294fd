#include "model/BitReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/Files.h"
#include "support/Process.h"
#include "tools/DiffCode.h"

namespace zerb {
namespace {

// Every 16-bit difference, written with the shortest code at every bit
// offset of a ring just big enough, reads back with the cursor behind it.
TEST(RingBitReader, ReadsBackEveryDifferenceAtEveryBitOffset) {
  for (unsigned bit = 0; bit < 8; ++bit) {
    for (int d = -32768; d <= 32767; ++d) {
      const DiffCode code = ShortestCode(static_cast<int16_t>(d));
      std::vector<uint8_t> ring((bit + code.length + 7) / 8);
      RingBitWriter(ring, 0, bit).Put(code);
      RingBitReader reader(ring.data(), static_cast<uint32_t>(ring.size()), 0, bit);
      int16_t value = 0;
      ASSERT_TRUE(reader.Next(value)) << d;
      ASSERT_EQ(value, d) << "bit " << bit;
      const unsigned end = bit + code.length;
      ASSERT_EQ(reader.Byte() * 8 + reader.Bit(), end % (ring.size() * 8)) << d;
    }
  }
}

TEST(RingBitReader, DecodesHandMadeCodes) {
  struct Row {
    std::vector<uint8_t> ring;
    uint32_t byte, bit;
    std::vector<int16_t> want;
    uint32_t endByte, endBit;
    const char* why;
  };
  const Row rows[] = {
      {{0x3D, 0x02}, 0, 0, {-2, 5}, 1, 3, "the first bytes of a two-channel log"},
      {{0x00, 0x55}, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}, 1, 0, "a zero byte holds eight zero differences"},
      // +5 (0100011) starting at bit 6 of the last byte: bits 6-7 there, 5 in byte 0.
      {{0x08, 0x00, 0xC0}, 2, 6, {5}, 0, 5, "a code read across the end continues at byte 0"},
      // Magnitude 32906 (base 139 + field 0x7FFF) wraps to -32630; -32906 to +32630.
      {{0xCF, 0xFF, 0x1F, 0x00}, 0, 0, {-32630}, 2, 5, "a magnitude above 32767 wraps"},
      {{0xEF, 0xFF, 0x1F, 0x00}, 0, 0, {32630}, 2, 5, "a negative one too"},
      // -32768: magnitude 32768 = 139 + 32629.
      {{0x6F, 0xDD, 0x1F, 0x00}, 0, 0, {-32768}, 2, 5, "the most negative difference"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    RingBitReader reader(row.ring.data(), static_cast<uint32_t>(row.ring.size()), row.byte, row.bit);
    std::vector<int16_t> got(row.want.size());
    for (auto& v : got) ASSERT_TRUE(reader.Next(v));
    EXPECT_EQ(got, row.want);
    EXPECT_EQ(reader.Byte(), row.endByte);
    EXPECT_EQ(reader.Bit(), row.endBit);
  }
}

// Bit by bit, as the format reads: one bit at a time round the ring.
struct ReferenceReader {
  const std::vector<uint8_t>& ring;
  uint64_t pos;  // bit index into the ring
  unsigned Bit() {
    const unsigned b = (ring[pos / 8] >> (pos % 8)) & 1u;
    pos = (pos + 1) % (ring.size() * 8);
    return b;
  }
  // False at a fifth leading one-bit.
  bool Next(int16_t& value) {
    uint32_t n = 0, base = 0;
    for (unsigned ones = 0; Bit() == 1; ++ones) {
      if (ones == 4) return false;
      base += 1u << n;
      n = 2 * n + 1;
    }
    if (n == 0) return value = 0, true;
    const unsigned negative = Bit();
    uint32_t field = 0;
    for (uint32_t k = 0; k < n; ++k) field |= Bit() << k;
    const auto magnitude = static_cast<uint16_t>(base + field);
    value = static_cast<int16_t>(negative ? -magnitude : magnitude);
    return true;
  }
};

// Random bytes, even ones where a code is longer than the whole ring, read
// the same as bit by bit; the sanitizers watch the ring's bounds.
TEST(RingBitReader, AgreesWithABitByBitReaderOnAnyBytes) {
  std::mt19937 rng(11);
  for (int trial = 0; trial < 3000; ++trial) {
    const auto size = static_cast<uint32_t>(1 + rng() % 6);
    std::vector<uint8_t> ring(size);
    for (auto& b : ring) b = static_cast<uint8_t>(rng() & rng());  // sparse ones: long codes
    const auto byte = static_cast<uint32_t>(rng() % size), bit = static_cast<uint32_t>(rng() % 8);
    RingBitReader reader(ring.data(), size, byte, bit);
    ReferenceReader reference{ring, byte * 8 + bit};
    for (int k = 0; k < 20; ++k) {
      int16_t want = 0, got = 0;
      const bool sound = reference.Next(want);
      ASSERT_EQ(reader.Next(got), sound) << "trial " << trial << " code " << k;
      if (!sound) break;
      ASSERT_EQ(got, want) << "trial " << trial << " code " << k;
      ASSERT_EQ(reader.Byte() * 8 + reader.Bit(), reference.pos) << "trial " << trial << " code " << k;
    }
  }
}

// Delta sets of `channels` codes read as pass 1 reads them (runs of zero
// codes skipped at once, the other codes one by one) against bit by bit:
// the same differences, positions and damaged code, from every start.
void ExpectSetsAsBitByBit(const std::vector<uint8_t>& ring, unsigned channels, const std::string& what) {
  for (uint32_t start = 0; start < std::min<std::size_t>(ring.size() * 8, 8); ++start) {
    RingBitReader reader(ring.data(), static_cast<uint32_t>(ring.size()), start / 8, start % 8);
    ReferenceReader reference{ring, start};
    for (std::size_t code = 0; code < std::min<std::size_t>(ring.size() * 8, 4096);) {
      unsigned zeros = reader.SkipZeros(channels - static_cast<unsigned>(code % channels));
      for (int16_t want = 1; zeros > 0; --zeros, ++code)
        ASSERT_TRUE(reference.Next(want) && want == 0) << what << ": start " << start << " code " << code;
      int16_t want = 0, got = 0;
      const bool sound = reference.Next(want);
      ASSERT_EQ(reader.Next(got), sound) << what << ": start " << start << " code " << code;
      if (!sound) break;
      ASSERT_EQ(got, want) << what << ": start " << start << " code " << code;
      ASSERT_EQ(reader.Byte() * 8 + reader.Bit(), reference.pos) << what << ": start " << start << " code " << code;
      ++code;
    }
  }
}

TEST(RingBitReader, SkippedZeroRunsReadAsBitByBit) {
  std::mt19937 rng(5);
  for (int trial = 0; trial < 300; ++trial) {
    // Mostly zero codes, as logs hold; rings of 1 byte to 2 KB.
    std::vector<uint8_t> ring(1 + rng() % (trial % 3 == 0 ? 8 : 1024));
    RingBitWriter writer(ring, 0, 0);
    for (std::size_t bits = 0;;) {
      const DiffCode code = ShortestCode(static_cast<int16_t>(rng() % 4 ? 0 : static_cast<int>(rng() % 400) - 200));
      if ((bits += code.length) > ring.size() * 8) break;
      writer.Put(code);
    }
    ExpectSetsAsBitByBit(ring, static_cast<unsigned>(1 + rng() % 60), "random stream " + std::to_string(trial));
  }
  for (const auto& file : std::filesystem::recursive_directory_iterator(test::SourcePath("fuzz/corpus"))) {
    if (!file.is_regular_file() || file.file_size() == 0) continue;
    const std::string bytes = test::ReadFile(file.path().string());
    ExpectSetsAsBitByBit(std::vector<uint8_t>(bytes.begin(), bytes.end()), 8, file.path().string());
  }
}

TEST(RingBitReader, StopsAtFiveLeadingOnesWithoutMoving) {
  for (uint32_t size = 1; size <= 5; ++size) {
    for (uint32_t bit = 0; bit < 8; ++bit) {
      SCOPED_TRACE(testing::Message() << "size " << size << " bit " << bit);
      std::vector<uint8_t> ring(size, 0xFF);
      RingBitReader reader(ring.data(), size, size - 1, bit);
      int16_t value = 123;
      EXPECT_FALSE(reader.Next(value));
      EXPECT_EQ(value, 123);
      EXPECT_EQ(reader.Byte(), size - 1);
      EXPECT_EQ(reader.Bit(), bit);
    }
  }
}

}  // namespace
}  // namespace zerb
