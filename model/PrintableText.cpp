#include "model/PrintableText.h"

namespace zerb {

std::string PrintableText(std::string_view text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
      continue;
    }
    shown += "\\x";
    shown += digits[byte >> 4];
    shown += digits[byte & 0x0F];
  }
  return shown;
}

}  // namespace zerb
