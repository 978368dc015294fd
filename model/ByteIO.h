#pragma once
// Little-endian field access over bytes and whole-block stream I/O.
// Binary files of this system are little-endian and byte-packed; every
// multi-byte field is read and written through these, never through a
// struct laid over a buffer.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

namespace zerb {

inline uint16_t load_le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline int16_t load_le16s(const uint8_t* p) {
  return static_cast<int16_t>(load_le16(p));
}
inline uint32_t load_le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void store_le16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void store_le32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Reads exactly bytes.size() bytes; true only when all of them arrived.
inline bool ReadBlock(std::FILE* stream, std::span<uint8_t> bytes) {
  return bytes.empty() || std::fread(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}
// Writes exactly bytes.size() bytes; true only when all of them were accepted.
inline bool WriteBlock(std::FILE* stream, std::span<const uint8_t> bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

}  // namespace zerb
