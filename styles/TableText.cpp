#include "styles/TableText.h"

#include "styles/UnitText.h"
#include "styles/Windows1252.h"

namespace zerb {

std::string EncodedText(std::string_view stored, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8FromWindows1252) return Utf8FromWindows1252(stored);
  return std::string(stored);
}

std::string UnitOf(const SeriesChannel& channel, TextEncoding encoding) {
  const std::string_view unit = UnitText(channel.unitsLetter, channel.typeName);
  // The table's texts are UTF-8; a letter written as it stands is a site
  // file byte like the names.
  if (unit.size() == 1) return EncodedText(unit, encoding);
  if (encoding == TextEncoding::AsStored) return Windows1252FromUtf8(unit);
  return std::string(unit);
}

std::string ChannelId(const SeriesChannel& channel) {
  const unsigned key = channel.key;
  switch (channel.kind) {
    case ChannelKind::Sensor: return "S" + std::to_string(key >> 3) + "/" + std::to_string((key & 7) + 1);
    case ChannelKind::Output: return "O" + std::to_string(key >> 3) + "/" + std::to_string((key & 7) + 1);
    case ChannelKind::Asm:
      return "A" + std::to_string(key & 0x1F) + "/" + std::to_string((key >> 5) & 0xF) + "/" + std::to_string(key >> 9);
  }
  return {};  // GCOVR_EXCL_LINE: every kind is a case above
}

void AppendField(std::string& line, std::string_view text, const TableSettings& settings) {
  const char sep = settings.separator;
  const bool quote = settings.classicQuoting || text.find_first_of(std::string{sep, '"', '\r', '\n'}) != text.npos;
  if (quote) line += '"';
  for (char c : text) {
    if (c == '"' && quote) line += '"';
    line += c;
  }
  if (quote) line += '"';
  line += sep;
}

void EndLine(std::string& line, const TableSettings& settings) {
  if (!settings.trailingSeparator && !line.empty() && line.back() == settings.separator) line.pop_back();
  line += "\r\n";
}

}  // namespace zerb
