// TLog: state, per-channel arrays and the decoding of delta sets (pass 1).
// Loading lives in LogLoad.cpp.
#include "model/Log.h"

#include <new>

#include "model/BitReader.h"
#include "model/ByteIO.h"

namespace zerb {

TLog::TLog(TSite& siteToUse) : site(siteToUse) {}

// The devices in the channel table belong to the site and stay there.
TLog::~TLog() = default;

void TLog::Reset() {
  loaded = false;
  oldestReady = false;
  keptReady = false;
  description.fill(0);
  formatVersion = 0;
  configStart = configEnd = 0;
  entryCount = newEntryCount = interval = 0;
  sensorCountA = sensorCountB = outputCountA = outputCountB = asmCount = 0;
  dataSize = startByte = 0;
  startBit = 0;
  pcTime = lanTime = localLanTime = 0;
  configLength = 0;
  sensorCount = outputCount = channelCount = 0;
  byteCursor = 0;
  bitCursor = 0;
  SizeArrays();
}

bool TLog::SizeArrays() {
  if (arraySize == channelCount) return true;
  channels.reset();
  deltas.reset();
  rowValues.reset();
  oldestValues.reset();
  arraySize = 0;
  if (channelCount == 0) return true;
  // Value-initialised: a walk before pass 1 never meets indeterminate values.
  channels.reset(new (std::nothrow) TDev*[channelCount]());
  deltas.reset(new (std::nothrow) int16_t[channelCount]());
  rowValues.reset(new (std::nothrow) int16_t[channelCount]());
  oldestValues.reset(new (std::nothrow) int16_t[channelCount]());
  if (!channels || !deltas || !rowValues || !oldestValues) {
    channels.reset();
    deltas.reset();
    rowValues.reset();
    oldestValues.reset();
    return false;
  }
  arraySize = channelCount;
  return true;
}

std::string_view TLog::Description() const {
  return FieldText(std::span<const char>(description.data(), description.size()));
}

std::size_t TLog::ValuesIndex() const {
  const auto size = static_cast<std::size_t>(dataSize);
  return size + (size & 1);
}

int16_t TLog::InitialValue(std::size_t i) const { return load_le16s(dataArea.data() + ValuesIndex() + 2 * i); }

uint32_t TLog::StartRow(int overlap) const {
  if (overlap < 0) return 0;
  // newEntryCount above entryCount wraps s to near 65536: few or no rows.
  const uint32_t s = static_cast<uint16_t>(entryCount - newEntryCount);
  const uint32_t o = static_cast<uint16_t>(overlap);
  return s <= o ? 0 : s - o;
}

bool TLog::DecodeEntry(std::span<int16_t> out) {
  if (!loaded || out.size() < channelCount) return false;
  if (channelCount == 0) return true;
  if (dataSize <= 0) return false;  // a log with no data area has no delta sets
  RingBitReader reader = Reader();
  const bool sound = DecodeSet(reader, [&](std::size_t i, int16_t d) { out[i] = d; });
  SaveCursors(reader);
  return sound;
}

RingBitReader TLog::Reader() const {
  return RingBitReader(dataArea.data(), static_cast<uint32_t>(dataSize), byteCursor, bitCursor);
}

void TLog::SaveCursors(const RingBitReader& reader) const {
  byteCursor = static_cast<uint16_t>(reader.Byte());
  bitCursor = static_cast<uint8_t>(reader.Bit());
}

void TLog::NoteBadCode(std::size_t channel, const RingBitReader& reader) const {
  passError = "channel " + std::to_string(channel + 1) + " has a code with five or more leading one-bits at byte " +
              std::to_string(reader.Byte()) + ", bit " + std::to_string(reader.Bit()) + " of the data area";
}

void TLog::NoteDamage(uint32_t entry) const {
  passError = "the log's data is damaged: delta set " + std::to_string(entry) + ", " + passError;
}

int TLog::ComputeOldestValues(ProgressCallback callback) {
  passError.clear();
  oldestReady = false;
  keptReady = false;
  if (!loaded) {
    passError = "no log is loaded";
    return -1;
  }
  byteCursor = static_cast<uint16_t>(startByte);
  bitCursor = startBit;
  for (std::size_t i = 0; i < channelCount; ++i) oldestValues[i] = InitialValue(i);
  if (channelCount == 0) {
    // Nothing to decode; the entries still count for the progress display.
    for (uint32_t e = 0; e < entryCount; ++e)
      if (callback && callback(static_cast<uint16_t>(e)) != 0) return -1;
  } else if (entryCount > 0) {
    // One reader for the whole pass; the load made sure dataSize > 0 here.
    RingBitReader reader = Reader();
    int16_t* const oldest = oldestValues.get();
    const bool keep = ReserveKeptDeltas(std::size_t{entryCount} * channelCount);
    int16_t* kept = keptDeltas.get();
    const auto take = [oldest, &kept, keep](std::size_t i, int16_t d) {
      oldest[i] = static_cast<int16_t>(oldest[i] - d);
      if (keep) *kept++ = d;
    };
    for (uint32_t e = 0; e < entryCount; ++e) {
      if (!DecodeSet(reader, take)) {
        SaveCursors(reader);
        NoteDamage(e);
        return -1;
      }
      if (callback && callback(static_cast<uint16_t>(e)) != 0) {
        SaveCursors(reader);
        return -1;
      }
    }
    SaveCursors(reader);
    keptReady = keep;
    pass1EndByte = byteCursor;
    pass1EndBit = bitCursor;
  }
  oldestReady = true;
  return entryCount;
}

bool TLog::ReserveKeptDeltas(std::size_t count) {
  // Every code takes at least one bit, and the load refuses a log whose
  // delta sets need more bits than its data area has: 256 K deltas at most.
  if (count > 8 * static_cast<std::size_t>(dataSize)) return false;
  if (count <= keptCapacity) return true;
  keptDeltas.reset(new (std::nothrow) int16_t[count]);
  keptCapacity = keptDeltas ? count : 0;
  return keptDeltas != nullptr;
}

void TLog::SaveCursorsAfter(uint32_t sets) const {
  byteCursor = static_cast<uint16_t>(startByte);
  bitCursor = startBit;
  RingBitReader reader = Reader();
  // Pass 1 decoded these sets whole: none of them is damaged.
  for (uint32_t e = 0; e < sets; ++e) DecodeSet(reader, [](std::size_t, int16_t) {});
  SaveCursors(reader);
}

}  // namespace zerb
