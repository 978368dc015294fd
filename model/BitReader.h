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
// The reader keeps up to 63 stream bits in a 64-bit buffer and tops it up
// before a code when fewer than 21 (the longest code) are left. Five or more
// leading one-bits do not occur in a sound stream; the reader reports them
// instead of reading on. It never touches a byte outside [0, size).

#include <algorithm>
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
      : ring_(ring), size_(size), next_(byte) {
    assert(size > 0 && byte < size && bit < 8);
    Refill();
    bits_ >>= bit;
    held_ -= bit;
  }

  // Decodes the code at the position into `value` and moves past it.
  // Returns false, leaving position and value alone, when the code begins
  // with five or more one-bits.
  bool Next(int16_t& value) {
    if (held_ < MaxCodeBits) Refill();
    const auto ones = static_cast<unsigned>(std::countr_one(bits_));
    if (ones > 4) return false;
    // Per level m, one byte each: code length, field width n, base.
    const unsigned length = Pick(Lengths, ones);
    const uint32_t low = static_cast<uint32_t>(bits_);
    const uint32_t mask = (1u << Pick(Widths, ones)) - 1;
    // For m = 0 the mask is 0 and the sign bit is read but multiplies 0.
    const uint32_t negative = (low >> (ones + 1)) & 1u;
    const uint32_t magnitude = (Pick(Bases, ones) + ((low >> (ones + 2)) & mask)) & 0xFFFFu;
    value = static_cast<int16_t>((magnitude ^ (0u - negative)) + negative);
    bits_ >>= length;
    held_ -= length;
    return true;
  }

  // Moves past the zero codes at the position, at most `most`, taken from
  // the buffer at once (most codes of a log are zero codes); returns how
  // many. Next would read each of them as the difference 0.
  unsigned SkipZeros(unsigned most) {
    if (held_ < MaxCodeBits) Refill();
    // Bits above held_ may be zero without being the stream's: not counted.
    const unsigned zeros = std::min({static_cast<unsigned>(std::countr_zero(bits_)), held_, most});
    bits_ >>= zeros;
    held_ -= zeros;
    return zeros;
  }

  // The position: byte index in the ring and bit in that byte.
  uint32_t Byte() const { return Position() / 8; }
  uint32_t Bit() const { return Position() % 8; }

 private:
  static constexpr unsigned MaxCodeBits = 21;
  static constexpr uint64_t Lengths = 0x15'0C'07'04'01;  // 21, 12, 7, 4, 1
  static constexpr uint64_t Widths = 0x0F'07'03'01'00;   // 15, 7, 3, 1, 0
  static constexpr uint64_t Bases = 0x8B'0B'03'01'00;    // 139, 11, 3, 1, 0
  static unsigned Pick(uint64_t table, unsigned m) { return static_cast<unsigned>(table >> (8 * m)) & 0xFFu; }

  // Tops the bit buffer up to at least 56 bits. Away from the ring's end
  // one 8-byte load serves (bits above held_ are the stream's next bits
  // or zero, so OR-ing them in again is harmless); near it, byte by byte.
  void Refill() {
    if (next_ + 8 <= size_) {
      uint64_t word = 0;
      for (unsigned k = 0; k < 8; ++k) word |= static_cast<uint64_t>(ring_[next_ + k]) << (8 * k);
      bits_ |= word << held_;
      const unsigned taken = (63 - held_) / 8;
      next_ += taken;
      held_ += 8 * taken;
      return;
    }
    while (held_ <= 55) {
      bits_ |= static_cast<uint64_t>(ring_[next_]) << held_;
      held_ += 8;
      if (++next_ == size_) next_ = 0;
    }
  }

  // Bit index in the ring of the first bit not yet decoded. A tiny ring may
  // be held more than once over in the buffer.
  uint32_t Position() const {
    const uint32_t ringBits = size_ * 8;
    return (next_ * 8 + ringBits - held_ % ringBits) % ringBits;
  }

  const uint8_t* ring_;
  uint32_t size_;
  uint32_t next_;      // next ring byte to enter the buffer
  uint64_t bits_ = 0;  // bit 0 is the next stream bit
  unsigned held_ = 0;  // stream bits in bits_ (always below 64)
};

}  // namespace zerb
