#include "history/postgres/PgText.h"

namespace zerb {
namespace {

// The length of the UTF-8 sequence at text[at], 0 when it is not one.
size_t Utf8SequenceLength(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                      : lead >= 0xF0 && lead < 0xF5                   ? 4
                                                                      : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  // No overlong forms, no surrogates, nothing past U+10FFFF.
  const auto second = length > 1 ? static_cast<unsigned char>(text[at + 1]) : 0x80;
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
      (lead == 0xF4 && second > 0x8F))
    return 0;
  return length;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::string Utf8ToLatin1(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const size_t length = Utf8SequenceLength(text, at);
    const auto lead = static_cast<unsigned char>(text[at]);
    if (length == 1) {
      bytes += text[at];
    } else if (length == 2 && lead <= 0xC3) {
      bytes += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(text[at + 1]) & 0x3F));
    } else {
      bytes += '?';
    }
    at += length == 0 ? 1 : length;
  }
  return bytes;
}

std::string PathText(std::string_view path) {
  for (size_t at = 0; at < path.size();) {
    const size_t length = Utf8SequenceLength(path, at);
    if (length == 0) return Latin1ToUtf8(path);
    at += length;
  }
  return std::string(path);
}

}  // namespace zerb
