#pragma once
// Byte builders and in-memory streams for the model tests.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace zerb::test {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A little-endian byte builder in file order.
class Bytes {
 public:
  Bytes& u8(unsigned v) {
    data.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  Bytes& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  Bytes& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  // The text's bytes, cut or NUL-padded to width.
  Bytes& text(std::string_view s, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) u8(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    return *this;
  }
  Bytes& append(const Bytes& other) {
    data.insert(data.end(), other.data.begin(), other.data.end());
    return *this;
  }
  // An 18-byte device record.
  Bytes& device(std::string_view name, unsigned key, unsigned logged, unsigned type, int exp, char units,
                unsigned spare = 0) {
    return text(name, 11).u16(key).u8(logged).u8(type).u8(spare).u8(static_cast<uint8_t>(exp)).u8(
        static_cast<uint8_t>(units));
  }
  // A 24-byte unit record.
  Bytes& unit(unsigned number, unsigned asCount, unsigned roomCount, std::string_view name, unsigned program) {
    return u8(number).u8(asCount).u8(roomCount).u8(0).u8(0).text(name, 17).u16(program);
  }
  // The 85-byte site header.
  Bytes& siteHeader(unsigned version, std::string_view name, std::string_view telephone) {
    return u16(version).text(name, 41).text(telephone, 41).u8(0);
  }

  std::vector<uint8_t> data;
};

// A stream that reads the given bytes (a temporary file, rewound).
inline File ReadStream(const std::vector<uint8_t>& bytes) {
  File f(std::tmpfile());
  if (f && !bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f.get());
  if (f) std::rewind(f.get());
  return f;
}

// A stream to write into; read back with Contents.
inline File WriteStream() { return File(std::tmpfile()); }

// Everything written to the stream so far.
inline std::vector<uint8_t> Contents(std::FILE* f) {
  std::fflush(f);
  const long end = std::ftell(f);
  std::vector<uint8_t> bytes(end > 0 ? static_cast<std::size_t>(end) : 0);
  std::rewind(f);
  if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
  return bytes;
}

// A sink that accepts exactly capacity bytes and fails every write after
// them (unbuffered, so a write fails at the call that overflows).
class LimitedSink {
 public:
  explicit LimitedSink(std::size_t capacity) : buffer_(capacity + 1) {
    stream_.reset(fmemopen(buffer_.data(), capacity == 0 ? 1 : capacity, "w"));
    if (stream_) std::setvbuf(stream_.get(), nullptr, _IONBF, 0);
    // fmemopen needs a non-zero size; a zero capacity is a sink that is full.
    if (stream_ && capacity == 0) std::fputc('x', stream_.get());
  }
  std::FILE* get() const { return stream_.get(); }

 private:
  std::vector<char> buffer_;
  File stream_;
};

}  // namespace zerb::test
