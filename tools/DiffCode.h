#pragma once
// The variable-length code of one logged difference, and a bit writer over
// a ring of bytes. A code is m one-bits, a zero-bit and, for m >= 1, a sign
// bit (1 = negative) and an n-bit field (least significant bit first); the
// magnitude is base + field:
//
//   m  n   base  magnitudes      bits
//   0  0   0     0               1
//   1  1   1     1..2            4
//   2  3   3     3..10           7
//   3  7   11    11..138         12
//   4  15  139   139..32906      21
//
// Bits go into the stream from the least significant bit of a byte upwards.

#include <cstdint>
#include <span>
#include <stdexcept>

namespace zerb {

// One code as stream bits: bit 0 of `bits` is the first bit written.
struct DiffCode {
  uint32_t bits = 0;
  unsigned length = 1;  // 1 to 21
};

// The code of the given sign and magnitude (0 to 32906; 0 gives the single
// zero-bit whatever the sign). Throws std::invalid_argument above 32906.
DiffCode MakeCode(bool negative, uint32_t magnitude);

// The shortest code whose 16-bit result is `difference`.
DiffCode ShortestCode(int16_t difference);

// Writes bits into a ring of bytes, from a start byte and bit, wrapping from
// the last byte to byte 0. It never writes more bits than the ring holds.
class RingBitWriter {
 public:
  // `ring` must stay alive while writing; start must lie inside it (or be
  // byte 0 of an empty ring). Throws std::invalid_argument otherwise.
  RingBitWriter(std::span<uint8_t> ring, unsigned startByte, unsigned startBit);

  // Appends the code's bits. Throws std::length_error when the ring is full.
  void Put(DiffCode code);

  uint64_t BitsWritten() const { return written_; }

 private:
  std::span<uint8_t> ring_;
  unsigned byte_;
  unsigned bit_;
  uint64_t written_ = 0;
};

}  // namespace zerb
