#include "classic/XmlNames.h"

namespace zerb {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '-' || c == '_' || c == '.'; }

}  // namespace

std::string XmlElementName(std::string_view deviceName) {
  std::string name;
  name.reserve(deviceName.size() + 1);
  for (char c : deviceName) {
    if (c == '/') c = '-';
    name += IsNameChar(c) ? c : '_';
  }
  if (name.empty() || IsAsciiDigit(name[0]) || name[0] == '-' || name[0] == '.') name.insert(0, 1, '_');
  return name;
}

}  // namespace zerb
