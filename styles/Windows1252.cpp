#include "styles/Windows1252.h"

#include <array>
#include <cstdint>

namespace zerb {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Bytes 0x80 to 0x9F; 0x00-0x7F are ASCII and 0xA0-0xFF are the same code
// points as in Latin-1.
constexpr std::array<char32_t, 32> High = {
    0x20AC, Replacement, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, Replacement, 0x017D, Replacement,  // 88-8F
    Replacement, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, Replacement, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char32_t{byte};
}

void PutUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next code point of a UTF-8 text at i (moving i past it); Replacement
// for a byte that does not start a valid sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i++);
  if (lead < 0x80) return lead;
  const std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || lead > 0xF4 || i + extra > text.size()) return Replacement;
  char32_t c = lead & (0x3F >> extra);
  for (std::size_t k = 0; k < extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return Replacement;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  i += extra;
  return c;
}

char ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t k = 0; k < High.size(); ++k)
    if (High[k] == c && c != Replacement) return static_cast<char>(0x80 + k);
  return '?';
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (char byte : text) PutUtf8(out, CodePointOf(static_cast<unsigned char>(byte)));
  return out;
}

std::string Windows1252FromUtf8(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) out += ByteOf(NextCodePoint(text, i));
  return out;
}

std::string Utf8Text(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t at = i;
    if (NextCodePoint(text, i) == Replacement && text.substr(at, i - at) != "\xEF\xBF\xBD")
      return Utf8FromWindows1252(text);
  }
  return std::string(text);
}

}  // namespace zerb
