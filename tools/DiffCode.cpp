#include "tools/DiffCode.h"

#include <array>
#include <cstdlib>

namespace zerb {

namespace {

struct CodeLevel {
  unsigned n;
  uint32_t base;
};
// Level m: each leading one-bit adds 2^n to base, then n becomes 2n + 1.
constexpr std::array<CodeLevel, 5> Levels = {{{0, 0}, {1, 1}, {3, 3}, {7, 11}, {15, 139}}};
constexpr uint32_t MaxMagnitude = 139 + 0x7FFF;

}  // namespace

DiffCode MakeCode(bool negative, uint32_t magnitude) {
  if (magnitude == 0) return {0, 1};
  if (magnitude > MaxMagnitude) throw std::invalid_argument("difference magnitude above 32906");
  unsigned m = 1;
  while (m < 4 && magnitude >= Levels[m + 1].base) ++m;
  const CodeLevel& level = Levels[m];
  const uint32_t ones = (1u << m) - 1;
  const uint32_t field = magnitude - level.base;
  return {ones | (uint32_t{negative} << (m + 1)) | (field << (m + 2)), m + 2 + level.n};
}

DiffCode ShortestCode(int16_t difference) {
  // Any wrapped alternative (magnitude 65536 - |d|) is at least 32630 and so
  // never shorter than the plain sign and magnitude.
  const int d = difference;
  return MakeCode(d < 0, static_cast<uint32_t>(std::abs(d)));
}

RingBitWriter::RingBitWriter(std::span<uint8_t> ring, unsigned startByte, unsigned startBit)
    : ring_(ring), byte_(startByte), bit_(startBit) {
  const bool emptyAtZero = ring.empty() && startByte == 0;
  if ((!emptyAtZero && startByte >= ring.size()) || startBit > 7)
    throw std::invalid_argument("start position outside the data area");
}

void RingBitWriter::Put(DiffCode code) {
  if (written_ + code.length > uint64_t{ring_.size()} * 8)
    throw std::length_error("the differences do not fit the data area");
  for (unsigned i = 0; i < code.length; ++i) {
    const auto mask = static_cast<uint8_t>(1u << bit_);
    if ((code.bits >> i) & 1u)
      ring_[byte_] |= mask;
    else
      ring_[byte_] &= static_cast<uint8_t>(~mask);
    if (++bit_ == 8) {
      bit_ = 0;
      if (++byte_ == ring_.size()) byte_ = 0;
    }
  }
  written_ += code.length;
}

}  // namespace zerb
