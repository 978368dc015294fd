#pragma once
// Reads the difference codes of a log's data area: a ring of bytes read as
// one bit stream, least significant bit of a byte first, bytes in increasing
// index, the byte at index 0 following the last one.
//
// A code is m one-bits and a zero-bit; for m >= 1 a sign bit (1 = negative)
// and an n-bit field (least significant bit first) follow, and the magnitude
// is base + field taken as 16 bits:
//
//   m  n   base  bits
//   0  0   0     1      (difference 0)
//   1  1   1     4
//   2  3   3     7
//   3  7   11    12
//   4  15  139   21
//
// The longest code is 21 bits, so a 32-bit window of four bytes shifted by
// at most 7 bits always holds a whole code. Five or more leading one-bits do
// not occur in a sound stream; the reader reports them instead of reading on.
// The reader never touches a byte outside [0, size).

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "model/ByteIO.h"

namespace zerb {

class RingBitReader {
 public:
  // ring[0..size) is the data area; size > 0, byte < size and bit < 8 (the
  // caller checks these: a violation is a programming error).
  RingBitReader(const uint8_t* ring, uint32_t size, uint32_t byte, uint32_t bit)
      : ring_(ring), size_(size), byte_(byte), bit_(bit) {
    assert(size > 0 && byte < size && bit < 8);
  }

  // Decodes the code at the position into `value` and moves past it.
  // Returns false, leaving position and value alone, when the code begins
  // with five or more one-bits.
  bool Next(int16_t& value) {
    const uint32_t window = Window() >> bit_;
    const unsigned ones = static_cast<unsigned>(std::countr_one(window));
    if (ones > 4) return false;
    const Level& level = Levels[ones];
    // For m = 0 the mask is 0 and the sign bit is read but multiplies 0.
    const uint32_t negative = (window >> (ones + 1)) & 1u;
    const uint32_t magnitude = (level.base + ((window >> (ones + 2)) & level.mask)) & 0xFFFFu;
    value = static_cast<int16_t>((magnitude ^ (0u - negative)) + negative);
    Advance(level.length);
    return true;
  }

  uint32_t Byte() const { return byte_; }
  uint32_t Bit() const { return bit_; }

 private:
  struct Level {
    uint32_t base;
    uint32_t mask;    // 2^n - 1
    uint32_t length;  // m + 1 for m = 0, else m + 2 + n
  };
  static constexpr std::array<Level, 5> Levels = {
      {{0, 0, 1}, {1, 0x1, 4}, {3, 0x7, 7}, {11, 0x7F, 12}, {139, 0x7FFF, 21}}};

  // Four bytes from the position, the first one lowest.
  uint32_t Window() const {
    if (byte_ + 4 <= size_) return load_le32(ring_ + byte_);
    uint32_t window = 0;
    uint32_t at = byte_;
    for (unsigned k = 0; k < 4; ++k) {
      window |= static_cast<uint32_t>(ring_[at]) << (8 * k);
      if (++at == size_) at = 0;
    }
    return window;
  }

  void Advance(uint32_t bits) {
    bit_ += bits;
    byte_ += bit_ >> 3;
    bit_ &= 7;
    // At most 3 bytes on; a ring of fewer than 3 bytes may go round more than once.
    if (byte_ >= size_) byte_ %= size_;
  }

  const uint8_t* ring_;
  uint32_t size_;
  uint32_t byte_;
  uint32_t bit_;
};

}  // namespace zerb
