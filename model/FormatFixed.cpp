#include "model/FormatFixed.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "model/DigitPairs.h"

namespace zerb {

namespace {

// The general form's text buffer, one per thread so that documents converted
// on several threads never share it. It starts at 80 characters and grows
// only for a longer text, so repeated calls do not allocate.
std::string& TextBuffer() {
  thread_local std::string buffer(80, '\0');
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

// The form every logged value takes (no padding, no appended zeros, at most
// nine fraction digits), built backwards in 32 bits in a buffer of its own,
// with no length pass and no fill calls. Same text as the general form.
std::string_view ShortForm(int value, int exponent, char* dest) {
  // Room for the longest text: "-2.147483648" (INT_MIN, nine fraction digits).
  thread_local char text[24];
  char* const end = text + sizeof text - 1;
  *end = '\0';
  const bool negative = value < 0;
  uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  char* p = end;
  if (exponent < 0) {
    for (int i = exponent; i < 0; ++i) {
      *--p = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    }
    *--p = '.';
  }
  // The digits before the point (at least one), two at a time.
  while (magnitude >= 100) {
    p -= 2;
    std::memcpy(p, &DigitPairs[2 * (magnitude % 100)], 2);
    magnitude /= 100;
  }
  if (magnitude >= 10) {
    p -= 2;
    std::memcpy(p, &DigitPairs[2 * magnitude], 2);
  } else {
    *--p = static_cast<char>('0' + magnitude);
  }
  if (negative) *--p = '-';
  const auto length = static_cast<std::size_t>(end - p);
  if (dest != nullptr) std::memcpy(dest, p, length + 1);
  return std::string_view(p, length);
}

// Every other form: padding, appended zeros, any exponent. Kept out of line
// so that the short form's callers don't pay for its registers.
[[gnu::noinline]] std::string_view GeneralForm(int value, int exponent, int width, char* dest);

}  // namespace

std::string_view FormatFixed(int value, int exponent, int width, char* dest) {
  if (width <= 0 && exponent <= 0 && exponent >= -9) return ShortForm(value, exponent, dest);
  return GeneralForm(value, exponent, width, dest);
}

namespace {

std::string_view GeneralForm(int value, int exponent, int width, char* dest) {
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

}  // namespace

}  // namespace zerb
