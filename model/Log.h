#pragma once
// A log file (*.log) read into one object: header, configuration block,
// newest values and the ring of bit-packed differences, with the channel
// table that maps each logged channel to a device of the site.
//
// File layout (little-endian, byte-packed):
//   0   41 description (text ends at the first NUL or fills the field)
//   42   1 formatVersion (1)       43  2 configStart    45  2 configEnd
//   61   2 entryCount              63  2 newEntryCount  65  2 interval
//   75   5 sensor A/B, output A/B and ASM channel counts (used channels)
//   86   2 dataSize                90  2 startByte      93  1 startBit
//   102  4 pcTime                  106 4 lanTime        110 4 localLanTime
//   114    configuration block (configEnd - configStart + 1 bytes), then the
//          newest value of every channel (int16), then dataSize data bytes.
// Configuration block: bytes 10-14 count the sensor A/B, output A/B and ASM
// slots; from byte 15 one byte per sensor and output slot (0xFF = empty),
// then one 16-bit word per ASM slot (low five bits 0 = empty).
//
// Delta set e (e < entryCount) is the difference from row e to row e + 1 of
// every channel, in channel order; the last row holds the newest values.
// Everything wraps in 16 bits.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "model/BitReader.h"
#include "model/MList.h"
#include "model/RowSelection.h"
#include "model/Site.h"

namespace zerb {

// Called by the passes with an entry or row index; non-zero stops the pass.
using ProgressCallback = int (*)(uint16_t index);

inline constexpr std::size_t LogDescriptionBytes = 41;
inline constexpr std::size_t LogHeaderBytes = 114;
inline constexpr std::size_t LogConfigCapacity = 2048;
// The data area and the newest values share one area of this size.
inline constexpr std::size_t LogAreaCapacity = 32768;
// Configuration bytes before the first slot (the slot counts end at 14).
inline constexpr std::size_t LogConfigSlotsStart = 15;

class TLog final : public TMObject {
 public:
  // An empty, not loaded log whose channels will be looked up in `site`.
  explicit TLog(TSite& site);
  TLog(const TLog&) = delete;
  TLog& operator=(const TLog&) = delete;
  ~TLog();

  // Reads a whole log from a stream opened for binary reading (the caller
  // closes it). Returns 1 when loaded; 0 otherwise, with LoadError() saying
  // why and the log not loaded. Nothing is read or decoded outside the
  // fixed areas, whatever the header says. Devices for slots the site lacks
  // are added to the site only when every other check has passed.
  int Load(std::FILE* stream) override;
  // Why the last Load failed, in words for the user; empty after success.
  const std::string& LoadError() const { return loadError; }

  // Not loaded, empty description, no channels, no entries, header fields 0.
  void Reset();
  // Makes the four per-channel arrays fit channelCount (nothing when they
  // already do). False when memory ran out; the arrays then hold 0 elements.
  bool SizeArrays();
  // Fills the channel table from the configuration block: used sensor, then
  // output, then ASM slots, each looked up (or created) in the site. False,
  // with nothing added to the site, when the slots reach past the block or
  // the used slots do not number channelCount.
  bool BuildChannelTable();

  // Decodes the delta set at the cursors into deltas[0..channelCount) and
  // moves the cursors past it. False, cursors at the bad code, when the
  // stream is damaged, the log is not loaded, deltas is too short or there
  // is no data area to read.
  bool DecodeEntry(std::span<int16_t> deltas);

  // Pass 1: the values of row 0 (the newest values minus every delta set)
  // into OldestValues(), calling callback(e) after delta set e. Returns
  // entryCount; -1 when not loaded, when the callback returned non-zero, or
  // when the stream is damaged (PassError() says why for the first and last).
  // The delta sets it decodes are kept for the row walk, which then reads
  // them instead of decoding the ring again (when memory allows; at most
  // one delta per bit of the data area, 512 KB).
  int ComputeOldestValues(ProgressCallback callback);

  // Pass 2's row walk, shared by the writers. Calls callback(r) before each
  // row r = 0..entryCount and writeRow(rowTime, rowValues) for each row
  // that is written: r >= the start row of the new-entries selection
  // (overlap < 0: off) and r a multiple of skip + 1. Row r carries time
  // endTime - interval * (entryCount - r). Returns 1 when every row was
  // handled; 0 when the callback stopped it (nothing more is written), when
  // pass 1 has not run on this load, or when the stream is damaged.
  // The walk reads the log and leaves only its position (cursors, row and
  // start/end times, PassError) behind, so it runs on a const log.
  template <class WriteRow>
  int WalkRows(uint32_t endTime, int overlap, uint16_t skip, ProgressCallback callback, WriteRow&& writeRow) const;
  // The first row the new-entries selection writes (0 when overlap < 0).
  uint32_t StartRow(int overlap) const;
  // The rows a whole walk with these options writes.
  WrittenRowRange RowsWritten(int overlap, uint16_t skip) const {
    return WrittenRowsIn(StartRow(overlap), uint32_t{entryCount} + 1, skip);
  }
  // Why the last pass failed other than by its callback; empty otherwise.
  const std::string& PassError() const { return passError; }

  // Description up to its first NUL, at most 41 characters.
  std::string_view Description() const;
  uint16_t GetEntryCount() const { return entryCount; }
  uint16_t NewEntryCount() const { return newEntryCount; }
  uint16_t Interval() const { return interval; }
  uint32_t PcTime() const { return pcTime; }
  uint32_t LanTime() const { return lanTime; }
  uint32_t LocalLanTime() const { return localLanTime; }
  uint16_t ChannelCount() const { return channelCount; }
  uint16_t SensorChannelCount() const { return sensorCount; }
  uint16_t OutputChannelCount() const { return outputCount; }
  // The device of channel i < ChannelCount() of a loaded log; the site owns it.
  TDev* Channel(std::size_t i) const { return channels[i]; }
  // The channel table; empty while no log is loaded.
  std::span<TDev* const> Channels() const { return {channels.get(), loaded ? arraySize : 0}; }
  TSite& GetSite() const { return site; }
  bool IsLoaded() const { return loaded; }

  uint8_t FormatVersion() const { return formatVersion; }
  int16_t DataSize() const { return dataSize; }
  int16_t StartByte() const { return startByte; }
  uint8_t StartBit() const { return startBit; }
  // Newest value of channel i < ChannelCount().
  int16_t InitialValue(std::size_t i) const;
  // Row 0 as pass 1 left it.
  std::span<const int16_t> OldestValues() const { return {oldestValues.get(), arraySize}; }
  // The delta sets the last pass 1 kept, set after set (ChannelCount() per
  // set); empty when it kept none.
  std::span<const int16_t> KeptDeltas() const {
    if (!keptReady) return {};
    return {keptDeltas.get(), std::size_t{entryCount} * channelCount};
  }
  uint16_t ByteCursor() const { return byteCursor; }
  uint8_t BitCursor() const { return bitCursor; }
  uint32_t StartTime() const { return startTime; }
  uint32_t EndTime() const { return endTime; }
  uint32_t RowTime() const { return rowTime; }

 private:
  bool ReadHeader(std::FILE* stream);
  bool ReadAreas(std::FILE* stream);
  bool CheckHeader();
  bool Fail(std::string reason);
  bool AddDevices(uint16_t used);
  uint16_t UsedSlots() const;
  std::size_t ValuesIndex() const;
  void NoteDamage(uint32_t entry) const;
  void NoteBadCode(std::size_t channel, const RingBitReader& reader) const;
  RingBitReader Reader() const;
  void SaveCursors(const RingBitReader& reader) const;
  // Room for pass 1 to keep `count` deltas; false (nothing kept) when the
  // count passes the data area's bits or memory is short.
  bool ReserveKeptDeltas(std::size_t count);
  // The cursors after the first `sets` delta sets, decoded again: where a
  // walk over kept deltas stopped.
  void SaveCursorsAfter(uint32_t sets) const;
  // Decodes one code per channel, handing each to take(i, difference);
  // false (reason noted) at a damaged code.
  template <class Take>
  bool DecodeSet(RingBitReader& reader, Take&& take) const {
    std::size_t i = 0;
    while (i < channelCount) {
      for (unsigned zeros = reader.SkipZeros(static_cast<unsigned>(channelCount - i)); zeros > 0; --zeros)
        take(i++, int16_t{0});
      if (i == channelCount) break;
      int16_t difference;
      if (!reader.Next(difference)) {
        NoteBadCode(i, reader);
        return false;
      }
      take(i++, difference);
    }
    return true;
  }

  TSite& site;
  std::array<char, LogDescriptionBytes> description{};
  uint8_t formatVersion = 0;
  int16_t configStart = 0;
  int16_t configEnd = 0;
  uint16_t entryCount = 0;
  uint16_t newEntryCount = 0;
  uint16_t interval = 0;
  uint8_t sensorCountA = 0, sensorCountB = 0, outputCountA = 0, outputCountB = 0, asmCount = 0;
  int16_t dataSize = 0;
  int16_t startByte = 0;
  uint8_t startBit = 0;
  uint32_t pcTime = 0;
  uint32_t lanTime = 0;
  uint32_t localLanTime = 0;
  std::array<uint8_t, LogConfigCapacity> configBlock{};
  std::size_t configLength = 0;
  // Data bytes from index 0; the newest values (int16, little-endian) from
  // the first even index at or above dataSize.
  std::array<uint8_t, LogAreaCapacity> dataArea{};
  uint16_t sensorCount = 0;
  uint16_t outputCount = 0;
  uint16_t channelCount = 0;
  std::unique_ptr<TDev*[]> channels;
  std::unique_ptr<int16_t[]> deltas;
  std::unique_ptr<int16_t[]> rowValues;
  std::unique_ptr<int16_t[]> oldestValues;
  std::size_t arraySize = 0;  // elements the four arrays were made for
  // Where the last pass or walk stopped.
  mutable uint16_t byteCursor = 0;
  mutable uint8_t bitCursor = 0;
  bool loaded = false;
  bool oldestReady = false;  // pass 1 has run on this load
  // Every delta set of the last pass 1, set after set, when keptReady.
  std::unique_ptr<int16_t[]> keptDeltas;
  std::size_t keptCapacity = 0;
  bool keptReady = false;
  uint16_t pass1EndByte = 0;
  uint8_t pass1EndBit = 0;
  mutable uint32_t startTime = 0;
  mutable uint32_t endTime = 0;
  mutable uint32_t rowTime = 0;
  std::string loadError;
  mutable std::string passError;
};

template <class WriteRow>
int TLog::WalkRows(uint32_t end, int overlap, uint16_t skip, ProgressCallback callback, WriteRow&& writeRow) const {
  passError.clear();
  if (!loaded || !oldestReady) {
    passError = loaded ? "the oldest values have not been computed" : "no log is loaded";
    return 0;
  }
  endTime = end;
  startTime = end - uint32_t{interval} * entryCount;
  rowTime = startTime;
  const uint32_t startRow = StartRow(overlap);
  byteCursor = static_cast<uint16_t>(startByte);
  bitCursor = startBit;
  const std::span<int16_t> values(rowValues.get(), channelCount);
  std::copy_n(oldestValues.get(), channelCount, values.begin());
  // One reader for the whole walk; without codes to read, or with pass 1's
  // deltas kept, it stands on a byte of the area it never reads.
  const bool decode = channelCount > 0 && entryCount > 0 && !keptReady;
  RingBitReader reader = decode ? Reader() : RingBitReader(dataArea.data(), 1, 0, 0);
  // Delta set r: kept by pass 1, or decoded into `deltas` row by row.
  const int16_t* delta = keptReady ? keptDeltas.get() : deltas.get();
  const std::size_t deltaStep = keptReady ? channelCount : 0;
  // Rows left to pass over before the next written one; written rows are
  // the multiples of skip + 1 counted from row 0.
  int skipLeft = 0;
  for (uint32_t r = 0; r <= entryCount; ++r) {
    if (callback && callback(static_cast<uint16_t>(r)) != 0) {
      if (decode) SaveCursors(reader);
      if (keptReady) SaveCursorsAfter(r);
      return 0;
    }
    int16_t* const decoded = deltas.get();
    if (r < entryCount && decode && !DecodeSet(reader, [decoded](std::size_t i, int16_t d) { decoded[i] = d; })) {
      SaveCursors(reader);
      NoteDamage(r);
      return 0;
    }
    if (r >= startRow && skipLeft <= 0) writeRow(rowTime, std::span<const int16_t>(values));
    // The last row has no delta set of its own.
    if (r < entryCount) {
      for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int16_t>(values[i] + delta[i]);
      delta += deltaStep;
    }
    if (skip != 0) skipLeft = skipLeft <= 0 ? skip : skipLeft - 1;
    rowTime += interval;
  }
  if (decode) SaveCursors(reader);
  if (keptReady) byteCursor = pass1EndByte, bitCursor = pass1EndBit;
  return 1;
}

}  // namespace zerb
