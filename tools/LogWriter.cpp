#include "tools/LogWriter.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "model/ByteIO.h"
#include "tools/DiffCode.h"

namespace zerb {

namespace {

constexpr std::size_t AreaCapacity = 32768;
constexpr std::size_t MaxRows = 65536;

unsigned UsedBytes(const std::vector<uint8_t>& slots) {
  return static_cast<unsigned>(std::count_if(slots.begin(), slots.end(), [](uint8_t b) { return b != 0xFF; }));
}

unsigned UsedWords(const std::vector<uint16_t>& slots) {
  return static_cast<unsigned>(
      std::count_if(slots.begin(), slots.end(), [](uint16_t w) { return (w & 0x1F) != 0; }));
}

uint8_t CountByte(std::size_t n, const char* what) {
  if (n > 255) throw std::invalid_argument(std::string("more than 255 ") + what);
  return static_cast<uint8_t>(n);
}

// Block indexes 0-9 stay zero; 10-14 hold the slot counts, the slots follow.
std::vector<uint8_t> BuildConfig(const LogSource& s) {
  std::vector<uint8_t> config(15, 0);
  config[10] = CountByte(s.sensorSlotsA.size(), "sensor slots in group A");
  config[11] = CountByte(s.sensorSlotsB.size(), "sensor slots in group B");
  config[12] = CountByte(s.outputSlotsA.size(), "output slots in group A");
  config[13] = CountByte(s.outputSlotsB.size(), "output slots in group B");
  config[14] = CountByte(s.asmSlots.size(), "ASM slots");
  for (const auto* group : {&s.sensorSlotsA, &s.sensorSlotsB, &s.outputSlotsA, &s.outputSlotsB})
    config.insert(config.end(), group->begin(), group->end());
  for (uint16_t word : s.asmSlots) {
    config.push_back(static_cast<uint8_t>(word));
    config.push_back(static_cast<uint8_t>(word >> 8));
  }
  return config;
}

uint64_t DifferenceBits(const std::vector<std::vector<int16_t>>& rows) {
  uint64_t bits = 0;
  for (std::size_t e = 0; e + 1 < rows.size(); ++e)
    for (std::size_t i = 0; i < rows[e].size(); ++i)
      bits += ShortestCode(static_cast<int16_t>(rows[e + 1][i] - rows[e][i])).length;
  return bits;
}

void CheckRows(const LogSource& s, unsigned channels) {
  if (s.rows.empty() || s.rows.size() > MaxRows)
    throw std::invalid_argument("a log holds 1 to 65536 rows");
  for (const auto& row : s.rows)
    if (row.size() != channels) throw std::invalid_argument("a row's width differs from the used slot count");
}

// The data size asked for, or the smallest that holds the bits and the start.
std::size_t ChooseDataSize(const LogSource& s, uint64_t bits) {
  if (s.dataSize >= 0) return static_cast<std::size_t>(s.dataSize);
  const std::size_t minimal = static_cast<std::size_t>((bits + 7) / 8);
  if (minimal == 0 && s.startByte == 0) return 0;
  return std::max(minimal, static_cast<std::size_t>(std::max(s.startByte, 0)) + 1);
}

}  // namespace

unsigned UsedSlotCount(const LogSource& s) {
  return UsedBytes(s.sensorSlotsA) + UsedBytes(s.sensorSlotsB) + UsedBytes(s.outputSlotsA) +
         UsedBytes(s.outputSlotsB) + UsedWords(s.asmSlots);
}

LogParts EncodeLog(const LogSource& s) {
  const unsigned channels = UsedSlotCount(s);
  CheckRows(s, channels);
  const std::size_t dataSize = ChooseDataSize(s, DifferenceBits(s.rows));
  if (dataSize > 0x7FFF || dataSize + (dataSize & 1) + 2 * channels > AreaCapacity)
    throw std::length_error("data area and initial values exceed 32768 bytes");
  if (s.startByte < 0 || s.startBit < 0)
    throw std::invalid_argument("start position outside the data area");

  LogParts parts;
  parts.config = BuildConfig(s);
  parts.initialValues = s.rows.back();
  parts.data.assign(dataSize, 0);
  RingBitWriter ring(parts.data, static_cast<unsigned>(s.startByte), static_cast<unsigned>(s.startBit));
  for (std::size_t e = 0; e + 1 < s.rows.size(); ++e)
    for (unsigned i = 0; i < channels; ++i)
      ring.Put(ShortestCode(static_cast<int16_t>(s.rows[e + 1][i] - s.rows[e][i])));

  LogHeader& h = parts.header;
  h.description = s.description;
  h.configStart = s.configStart;
  h.configEnd = static_cast<int16_t>(s.configStart + static_cast<int>(parts.config.size()) - 1);
  h.entryCount = static_cast<uint16_t>(s.rows.size() - 1);
  h.newEntryCount = s.newEntryCount;
  h.interval = s.interval;
  h.channelCounts = {static_cast<uint8_t>(UsedBytes(s.sensorSlotsA)), static_cast<uint8_t>(UsedBytes(s.sensorSlotsB)),
                     static_cast<uint8_t>(UsedBytes(s.outputSlotsA)), static_cast<uint8_t>(UsedBytes(s.outputSlotsB)),
                     static_cast<uint8_t>(UsedWords(s.asmSlots))};
  h.dataSize = static_cast<int16_t>(dataSize);
  h.startByte = static_cast<int16_t>(s.startByte);
  h.startBit = static_cast<uint8_t>(s.startBit);
  h.pcTime = s.pcTime;
  h.lanTime = s.lanTime;
  h.localLanTime = s.localLanTime;
  return parts;
}

std::vector<uint8_t> SerializeLog(const LogParts& parts) {
  const LogHeader& h = parts.header;
  std::vector<uint8_t> out(LogHeaderSize, h.reservedFill);
  uint8_t* p = out.data();
  std::fill(p, p + LogDescriptionSize, 0);
  std::copy_n(h.description.begin(), std::min(h.description.size(), LogDescriptionSize), p);
  p[41] = h.reserved41;
  p[42] = h.formatVersion;
  store_le16(p + 43, static_cast<uint16_t>(h.configStart));
  store_le16(p + 45, static_cast<uint16_t>(h.configEnd));
  store_le16(p + 61, h.entryCount);
  store_le16(p + 63, h.newEntryCount);
  store_le16(p + 65, h.interval);
  std::copy(h.channelCounts.begin(), h.channelCounts.end(), p + 75);
  store_le16(p + 86, static_cast<uint16_t>(h.dataSize));
  store_le16(p + 90, static_cast<uint16_t>(h.startByte));
  p[93] = h.startBit;
  store_le32(p + 102, h.pcTime);
  store_le32(p + 106, h.lanTime);
  store_le32(p + 110, h.localLanTime);

  out.insert(out.end(), parts.config.begin(), parts.config.end());
  for (int16_t v : parts.initialValues) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
  }
  out.insert(out.end(), parts.data.begin(), parts.data.end());
  out.insert(out.end(), parts.trailer.begin(), parts.trailer.end());
  return out;
}

std::vector<uint8_t> MakeLogImage(const LogSource& source) { return SerializeLog(EncodeLog(source)); }

bool WriteLogImage(std::FILE* stream, std::span<const uint8_t> image) {
  return WriteBlock(stream, image) && std::fflush(stream) == 0;
}

bool WriteLogFile(const std::string& path, std::span<const uint8_t> image) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  const bool written = WriteLogImage(file.get(), image);
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace zerb
