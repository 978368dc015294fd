#include "tools/LogText.h"

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

namespace zerb {

const char* const LogTextHelp =
    "Input format (one item per line, '#' starts a comment line):\n"
    "  description = TEXT        log description (up to 41 bytes)\n"
    "  interval = N              seconds between rows (default 60)\n"
    "  newEntryCount = N         entries counted as new\n"
    "  pcTime|lanTime|localLanTime = N   clock readings of the newest row\n"
    "  configStart = N           first index of the configuration range\n"
    "  dataSize = N              data area size (default: the smallest that fits)\n"
    "  startByte|startBit = N    where the first delta set begins\n"
    "  sensors|sensorsB|outputs|outputsB = K K ...   slot bytes (0xFF = empty)\n"
    "  asms = K K ...            ASM slot words (low five bits 0 = empty)\n"
    "  trailer = N               N zero bytes after the data area\n"
    "  header.FIELD = N          store N in a header field after encoding; FIELD is\n"
    "                            formatVersion, configStart, configEnd, entryCount,\n"
    "                            newEntryCount, interval, sensorCountA, sensorCountB,\n"
    "                            outputCountA, outputCountB, asmCount, dataSize,\n"
    "                            startByte, startBit, pcTime, lanTime, localLanTime,\n"
    "                            reserved41 or reservedFill\n"
    "  V V ...                   a row, oldest first: one value per used slot\n"
    "Numbers are decimal or 0x hexadecimal, separated by blanks or commas.\n";

namespace {

struct Line {
  std::size_t number;
  std::string_view text;
};

[[noreturn]] void Fail(std::size_t line, const std::string& what) {
  throw std::invalid_argument("line " + std::to_string(line) + ": " + what);
}

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<long long> Numbers(const Line& line, std::string_view text) {
  std::vector<long long> out;
  std::string copy(text);
  for (auto& c : copy)
    if (c == ',') c = ' ';
  const char* p = copy.c_str();
  for (;;) {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') break;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(p, &end, 0);
    if (end == p || errno != 0) Fail(line.number, "not a number: " + std::string(p));
    out.push_back(v);
    p = end;
  }
  return out;
}

long long Number(const Line& line, std::string_view text, long long lo, long long hi) {
  const auto values = Numbers(line, text);
  if (values.size() != 1) Fail(line.number, "expected one number");
  if (values[0] < lo || values[0] > hi) Fail(line.number, "number out of range");
  return values[0];
}

template <class T>
std::vector<T> Slots(const Line& line, std::string_view text, long long hi) {
  std::vector<T> out;
  for (long long v : Numbers(line, text)) {
    if (v < 0 || v > hi) Fail(line.number, "slot key out of range");
    out.push_back(static_cast<T>(v));
  }
  return out;
}

using HeaderSetter = void (*)(LogHeader&, long long);
struct HeaderField {
  std::string_view name;
  long long lo, hi;
  HeaderSetter set;
};

// clang-format off
const HeaderField HeaderFields[] = {
    {"formatVersion", 0, 255, [](LogHeader& h, long long v) { h.formatVersion = static_cast<uint8_t>(v); }},
    {"configStart", -32768, 32767, [](LogHeader& h, long long v) { h.configStart = static_cast<int16_t>(v); }},
    {"configEnd", -32768, 32767, [](LogHeader& h, long long v) { h.configEnd = static_cast<int16_t>(v); }},
    {"entryCount", 0, 65535, [](LogHeader& h, long long v) { h.entryCount = static_cast<uint16_t>(v); }},
    {"newEntryCount", 0, 65535, [](LogHeader& h, long long v) { h.newEntryCount = static_cast<uint16_t>(v); }},
    {"interval", 0, 65535, [](LogHeader& h, long long v) { h.interval = static_cast<uint16_t>(v); }},
    {"sensorCountA", 0, 255, [](LogHeader& h, long long v) { h.channelCounts[0] = static_cast<uint8_t>(v); }},
    {"sensorCountB", 0, 255, [](LogHeader& h, long long v) { h.channelCounts[1] = static_cast<uint8_t>(v); }},
    {"outputCountA", 0, 255, [](LogHeader& h, long long v) { h.channelCounts[2] = static_cast<uint8_t>(v); }},
    {"outputCountB", 0, 255, [](LogHeader& h, long long v) { h.channelCounts[3] = static_cast<uint8_t>(v); }},
    {"asmCount", 0, 255, [](LogHeader& h, long long v) { h.channelCounts[4] = static_cast<uint8_t>(v); }},
    {"dataSize", -32768, 32767, [](LogHeader& h, long long v) { h.dataSize = static_cast<int16_t>(v); }},
    {"startByte", -32768, 32767, [](LogHeader& h, long long v) { h.startByte = static_cast<int16_t>(v); }},
    {"startBit", 0, 255, [](LogHeader& h, long long v) { h.startBit = static_cast<uint8_t>(v); }},
    {"pcTime", 0, 0xFFFFFFFF, [](LogHeader& h, long long v) { h.pcTime = static_cast<uint32_t>(v); }},
    {"lanTime", 0, 0xFFFFFFFF, [](LogHeader& h, long long v) { h.lanTime = static_cast<uint32_t>(v); }},
    {"localLanTime", 0, 0xFFFFFFFF, [](LogHeader& h, long long v) { h.localLanTime = static_cast<uint32_t>(v); }},
    {"reserved41", 0, 255, [](LogHeader& h, long long v) { h.reserved41 = static_cast<uint8_t>(v); }},
    {"reservedFill", 0, 255, [](LogHeader& h, long long v) { h.reservedFill = static_cast<uint8_t>(v); }},
};
// clang-format on

struct Parsed {
  LogSource source;
  std::size_t trailer = 0;
  std::vector<std::pair<const HeaderField*, long long>> overrides;
};

// Applies one "key = value" line to the parse result.
void Setting(Parsed& out, const Line& line, std::string_view key, std::string_view value) {
  LogSource& s = out.source;
  if (key == "description") {
    s.description = std::string(value);
  } else if (key == "interval") {
    s.interval = static_cast<uint16_t>(Number(line, value, 0, 65535));
  } else if (key == "newEntryCount") {
    s.newEntryCount = static_cast<uint16_t>(Number(line, value, 0, 65535));
  } else if (key == "pcTime" || key == "lanTime" || key == "localLanTime") {
    const auto v = static_cast<uint32_t>(Number(line, value, 0, 0xFFFFFFFF));
    (key == "pcTime" ? s.pcTime : key == "lanTime" ? s.lanTime : s.localLanTime) = v;
  } else if (key == "configStart") {
    s.configStart = static_cast<int16_t>(Number(line, value, -32768, 32767));
  } else if (key == "dataSize") {
    s.dataSize = static_cast<int>(Number(line, value, 0, 32767));
  } else if (key == "startByte") {
    s.startByte = static_cast<int>(Number(line, value, 0, 32767));
  } else if (key == "startBit") {
    s.startBit = static_cast<int>(Number(line, value, 0, 7));
  } else if (key == "sensors" || key == "sensorsB" || key == "outputs" || key == "outputsB") {
    auto& slots = key == "sensors" ? s.sensorSlotsA : key == "sensorsB" ? s.sensorSlotsB
                  : key == "outputs" ? s.outputSlotsA : s.outputSlotsB;
    slots = Slots<uint8_t>(line, value, 255);
  } else if (key == "asms") {
    s.asmSlots = Slots<uint16_t>(line, value, 65535);
  } else if (key == "trailer") {
    out.trailer = static_cast<std::size_t>(Number(line, value, 0, 65536));
  } else if (key.starts_with("header.")) {
    for (const auto& field : HeaderFields)
      if (key.substr(7) == field.name) {
        out.overrides.emplace_back(&field, Number(line, value, field.lo, field.hi));
        return;
      }
    Fail(line.number, "unknown header field " + std::string(key.substr(7)));
  } else {
    Fail(line.number, "unknown key " + std::string(key));
  }
}

Parsed Parse(std::string_view text) {
  Parsed out;
  std::size_t number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const Line line{++number, Trim(text.substr(0, end))};
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.text.empty() || line.text.front() == '#') continue;
    const auto eq = line.text.find('=');
    if (eq != std::string_view::npos) {
      Setting(out, line, Trim(line.text.substr(0, eq)), Trim(line.text.substr(eq + 1)));
      continue;
    }
    std::vector<int16_t> row;
    for (long long v : Numbers(line, line.text)) {
      if (v < -32768 || v > 65535) Fail(line.number, "value out of 16 bits");
      row.push_back(static_cast<int16_t>(v));
    }
    out.source.rows.push_back(std::move(row));
  }
  return out;
}

}  // namespace

LogParts ParseLogText(std::string_view text) {
  const Parsed parsed = Parse(text);
  LogParts parts = EncodeLog(parsed.source);
  parts.trailer.assign(parsed.trailer, 0);
  for (const auto& [field, value] : parsed.overrides) field->set(parts.header, value);
  return parts;
}

}  // namespace zerb
