#pragma once
// Decimal texts are written two digits at a time from this table: integer
// division is slow, and the writers format numbers and times on every row.

#include <array>
#include <cstring>

namespace zerb {

// "00" "01" ... "99", two chars each.
inline constexpr std::array<char, 200> DigitPairs = [] {
  std::array<char, 200> t{};
  for (unsigned i = 0; i < 100; ++i) {
    t[2 * i] = static_cast<char>('0' + i / 10);
    t[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return t;
}();

// Two digits of v (0-99), with a leading zero.
inline void PutTwoDigits(char* out, unsigned v) { std::memcpy(out, &DigitPairs[2 * v], 2); }

}  // namespace zerb
