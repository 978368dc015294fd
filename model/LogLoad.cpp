// TLog: reading a log file and building its channel table.
#include <algorithm>
#include <new>
#include <string>

#include "model/ByteIO.h"
#include "model/Log.h"

namespace zerb {

namespace {

std::string Num(long long value) { return std::to_string(value); }

}  // namespace

bool TLog::Fail(std::string reason) {
  loadError = std::move(reason);
  return false;
}

// The reads come first and each must be whole; the figures that place the
// areas are checked before the area is read, so nothing lands outside it.
int TLog::Load(std::FILE* stream) {
  Reset();
  loadError.clear();
  try {
    if (!ReadHeader(stream) || !ReadAreas(stream) || !CheckHeader()) return 0;
    if (!SizeArrays()) {
      Fail("there is not enough memory for " + Num(channelCount) + " channels");
      return 0;
    }
    if (!BuildChannelTable()) return 0;
  } catch (const std::bad_alloc&) {
    Fail("there is not enough memory to load the log");
    return 0;
  }
  loaded = true;
  return 1;
}

bool TLog::ReadHeader(std::FILE* stream) {
  std::array<uint8_t, LogHeaderBytes> h{};
  const std::size_t got = std::fread(h.data(), 1, h.size(), stream);
  if (got < h.size())
    return Fail("the file ends inside the log header: it holds " + Num(got) + " of " + Num(h.size()) + " bytes");
  std::copy_n(h.begin(), LogDescriptionBytes, description.begin());
  formatVersion = h[42];
  configStart = load_le16s(&h[43]);
  configEnd = load_le16s(&h[45]);
  entryCount = load_le16(&h[61]);
  newEntryCount = load_le16(&h[63]);
  interval = load_le16(&h[65]);
  sensorCountA = h[75];
  sensorCountB = h[76];
  outputCountA = h[77];
  outputCountB = h[78];
  asmCount = h[79];
  dataSize = load_le16s(&h[86]);
  startByte = load_le16s(&h[90]);
  startBit = h[93];
  pcTime = load_le32(&h[102]);
  lanTime = load_le32(&h[106]);
  localLanTime = load_le32(&h[110]);
  sensorCount = static_cast<uint16_t>(sensorCountA + sensorCountB);
  outputCount = static_cast<uint16_t>(outputCountA + outputCountB);
  channelCount = static_cast<uint16_t>(sensorCount + outputCount + asmCount);
  return true;
}

bool TLog::ReadAreas(std::FILE* stream) {
  const int length = configEnd - configStart + 1;
  if (length < static_cast<int>(LogConfigSlotsStart) || length > static_cast<int>(LogConfigCapacity))
    return Fail("the configuration block would be " + Num(length) + " bytes long (configStart " + Num(configStart) +
                ", configEnd " + Num(configEnd) + "); a log's holds 15 to 2048 bytes");
  configLength = static_cast<std::size_t>(length);
  if (!ReadBlock(stream, std::span<uint8_t>(configBlock.data(), configLength)))
    return Fail("the file ends inside the " + Num(length) + "-byte configuration block");

  if (dataSize < 0) return Fail("the header gives a negative data area size (" + Num(dataSize) + " bytes)");
  const std::size_t valuesBytes = 2u * channelCount;
  if (ValuesIndex() + valuesBytes > LogAreaCapacity)
    return Fail("the data area (" + Num(dataSize) + " bytes) and the newest values of " + Num(channelCount) +
                " channels need more than " + Num(LogAreaCapacity) + " bytes");
  if (!ReadBlock(stream, std::span<uint8_t>(dataArea.data() + ValuesIndex(), valuesBytes)))
    return Fail("the file ends inside the newest values of the " + Num(channelCount) + " channels");

  const auto size = static_cast<std::size_t>(dataSize);
  const std::size_t got = size == 0 ? 0 : std::fread(dataArea.data(), 1, size, stream);
  if (got < size) return Fail("the data area holds " + Num(got) + " bytes, the header says " + Num(size));
  // A single byte after the data area is tolerated; a whole word is not.
  std::array<uint8_t, 2> extra{};
  if (std::fread(extra.data(), 1, extra.size(), stream) == extra.size())
    return Fail("more than one byte follows the " + Num(size) + "-byte data area");
  return true;
}

bool TLog::CheckHeader() {
  if (formatVersion != 1) return Fail("the log has format version " + Num(formatVersion) + "; only version 1 is known");
  // An empty data area is sound only when no code will ever be read from it.
  const bool emptyArea = dataSize == 0 && startByte == 0;
  if (startByte < 0 || (startByte >= dataSize && !emptyArea))
    return Fail("the first delta set begins at byte " + Num(startByte) + ", outside the " + Num(dataSize) +
                "-byte data area");
  if (startBit > 7) return Fail("the first delta set begins at bit " + Num(startBit) + " of its byte; bits are 0 to 7");
  if (dataSize == 0 && entryCount > 0 && channelCount > 0)
    return Fail("the data area is empty, but the header counts " + Num(entryCount) + " delta sets of " +
                Num(channelCount) + " channels");
  // The delta sets follow one another once round the ring, and every code
  // takes at least one bit. More codes than the area has bits would decode
  // the same bits again as later entries: rows of made-up values, and a
  // file of a few kilobytes asking for gigabytes of output.
  const uint64_t leastBits = uint64_t{entryCount} * channelCount;
  const uint64_t areaBits = 8 * static_cast<uint64_t>(dataSize);
  if (leastBits > areaBits)
    return Fail("the header counts " + Num(entryCount) + " delta sets of " + Num(channelCount) +
                " channels, at least " + Num(static_cast<long long>(leastBits)) + " bits, but the data area holds " +
                Num(static_cast<long long>(areaBits)));
  return true;
}

uint16_t TLog::UsedSlots() const {
  const uint8_t* block = configBlock.data();
  const unsigned byteSlots = block[10] + block[11] + block[12] + block[13];
  unsigned used = 0;
  for (unsigned k = 0; k < byteSlots; ++k) used += block[LogConfigSlotsStart + k] != 0xFF;
  const uint8_t* words = block + LogConfigSlotsStart + byteSlots;
  for (unsigned k = 0; k < block[14]; ++k) used += (load_le16(words + 2 * k) & 0x1F) != 0;
  return static_cast<uint16_t>(used);
}

bool TLog::BuildChannelTable() {
  if (configLength < LogConfigSlotsStart) return Fail("there is no configuration block");
  if (arraySize != channelCount) return Fail("the channel arrays are not made for " + Num(channelCount) + " channels");
  const uint8_t* block = configBlock.data();
  const std::size_t slotsEnd = LogConfigSlotsStart + block[10] + block[11] + block[12] + block[13] + 2u * block[14];
  if (slotsEnd > configLength)
    return Fail("the configuration's slots need " + Num(slotsEnd) + " bytes, its block holds " + Num(configLength));
  const uint16_t used = UsedSlots();
  if (used != channelCount)
    return Fail("the configuration names " + Num(used) + " used channels, the header counts " + Num(channelCount));
  return AddDevices(used);
}

// Sensor, then output, then ASM slots, each in configuration order.
bool TLog::AddDevices(uint16_t used) {
  const uint8_t* block = configBlock.data();
  const uint8_t* slot = block + LogConfigSlotsStart;
  std::size_t j = 0;
  const unsigned sensorSlots = block[10] + block[11];
  const unsigned outputSlots = block[12] + block[13];
  for (unsigned k = 0; k < sensorSlots; ++k, ++slot)
    if (*slot != 0xFF) channels[j++] = site.Sensors.FindOrCreate(*slot);
  for (unsigned k = 0; k < outputSlots; ++k, ++slot)
    if (*slot != 0xFF) channels[j++] = site.Outputs.FindOrCreate(*slot);
  for (unsigned k = 0; k < block[14]; ++k, slot += 2) {
    const uint16_t key = load_le16(slot);
    if ((key & 0x1F) != 0) channels[j++] = site.Asms.FindOrCreate(key);
  }
  return j == used;
}

}  // namespace zerb
