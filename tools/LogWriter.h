#pragma once
// Builds log files from rows of values, for tests and sample data.
//
// A log file is a 114-byte header, the configuration block, the newest value
// of every channel (int16 each) and a ring of bit-packed differences: the
// difference from row e to row e + 1 of every channel, for e = 0 to
// entryCount - 1, each in its shortest code (tools/DiffCode.h). EncodeLog
// makes the parts; every part may then be changed (to craft a damaged file)
// before SerializeLog lays them out byte for byte.

#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace zerb {

inline constexpr std::size_t LogHeaderSize = 114;
inline constexpr std::size_t LogDescriptionSize = 41;

// Every stored header field. SerializeLog writes them exactly as given.
struct LogHeader {
  std::string description;  // the first 41 bytes are stored, zero-padded
  uint8_t reserved41 = 0;   // byte 41, ignored by readers
  uint8_t formatVersion = 1;
  int16_t configStart = 0;
  int16_t configEnd = 0;
  uint16_t entryCount = 0;
  uint16_t newEntryCount = 0;
  uint16_t interval = 0;
  // sensorCountA, sensorCountB, outputCountA, outputCountB, asmCount
  std::array<uint8_t, 5> channelCounts{};
  int16_t dataSize = 0;
  int16_t startByte = 0;
  uint8_t startBit = 0;
  uint32_t pcTime = 0;
  uint32_t lanTime = 0;
  uint32_t localLanTime = 0;
  uint8_t reservedFill = 0;  // value of every other reserved header byte
};

// What a log is made from.
struct LogSource {
  std::string description;
  uint16_t newEntryCount = 0;
  uint16_t interval = 60;
  uint32_t pcTime = 0;
  uint32_t lanTime = 0;
  uint32_t localLanTime = 0;
  int16_t configStart = 0;
  // Configuration slots: sensor and output keys (0xFF = empty slot) in two
  // groups each, ASM keys (low five bits 0 = empty slot).
  std::vector<uint8_t> sensorSlotsA, sensorSlotsB;
  std::vector<uint8_t> outputSlotsA, outputSlotsB;
  std::vector<uint16_t> asmSlots;
  // Oldest row first; each row holds one value per used slot, sensors, then
  // outputs, then ASMs. At least one row, at most 65536.
  std::vector<std::vector<int16_t>> rows;
  int dataSize = -1;  // -1: the smallest area that holds the differences
  int startByte = 0;  // where delta set 0 begins
  int startBit = 0;
};

// A log broken into its stored parts.
struct LogParts {
  LogHeader header;
  std::vector<uint8_t> config;          // the configuration block
  std::vector<int16_t> initialValues;   // the newest row
  std::vector<uint8_t> data;            // the ring of differences
  std::vector<uint8_t> trailer;         // bytes after the data area, normally none
};

// The number of used slots, i.e. the channel count of the source.
unsigned UsedSlotCount(const LogSource& source);

// Encodes the source: header fields from it (entryCount = rows - 1, channel
// counts = used slots per group, configEnd from the block length), the
// configuration block, the last row as initial values and the differences.
// Throws std::invalid_argument for an inconsistent source (row width, row
// count, start position, data size) and std::length_error when the
// differences do not fit the data area.
LogParts EncodeLog(const LogSource& source);

// The file image of the parts, in file order.
std::vector<uint8_t> SerializeLog(const LogParts& parts);

// EncodeLog then SerializeLog.
std::vector<uint8_t> MakeLogImage(const LogSource& source);

// Writes the bytes to the stream; true when all were accepted.
bool WriteLogImage(std::FILE* stream, std::span<const uint8_t> image);
// Creates (or replaces) the file and writes the bytes; true on success.
bool WriteLogFile(const std::string& path, std::span<const uint8_t> image);

}  // namespace zerb
