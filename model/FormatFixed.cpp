#include "model/FormatFixed.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace zerb {

namespace {

// The shared text buffer. It starts at the 80 characters that every value
// of a 16-bit channel needs and grows only for a longer text, so the
// writers' per-value calls do not allocate.
std::string& TextBuffer() {
  static std::string buffer(80, '\0');
  return buffer;
}

unsigned DigitCount(uint64_t n) {
  unsigned digits = 1;
  while (n >= 10) {
    n /= 10;
    ++digits;
  }
  return digits;
}

}  // namespace

std::string_view FormatFixed(int value, int exponent, int width, char* dest) {
  const bool negative = value < 0;
  // 64 bits so that the magnitude of INT_MIN and -INT_MIN exponents fit.
  uint64_t magnitude = negative ? uint64_t{0} - static_cast<uint64_t>(static_cast<int64_t>(value))
                                : static_cast<uint64_t>(value);
  const uint64_t fraction = exponent < 0 ? uint64_t{0} - static_cast<uint64_t>(static_cast<int64_t>(exponent)) : 0;
  const uint64_t zeros = (exponent > 0 && value != 0) ? static_cast<uint64_t>(exponent) : 0;

  // Integer digits: what is left once the fraction digits are taken off.
  uint64_t integer = magnitude;
  for (uint64_t i = 0; i < fraction && integer != 0; ++i) integer /= 10;
  const uint64_t length = fraction + (fraction != 0 ? 1 : 0) + zeros + DigitCount(integer) + (negative ? 1 : 0);
  const uint64_t total = std::max<uint64_t>(length, width > 0 ? static_cast<uint64_t>(width) : 0);

  std::string& buffer = TextBuffer();
  if (buffer.size() < total + 1) buffer.resize(total + 1);
  char* const begin = buffer.data();
  char* p = begin + total;
  *p = '\0';

  // Built from the last character backwards.
  if (fraction != 0) {
    for (uint64_t i = 0; i < fraction; ++i) {
      *--p = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    }
    *--p = '.';
  }
  p -= zeros;
  std::memset(p, '0', zeros);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) *--p = '-';
  std::memset(begin, ' ', static_cast<std::size_t>(p - begin));

  if (dest != nullptr) std::memcpy(dest, begin, total + 1);
  return std::string_view(begin, total);
}

}  // namespace zerb
