#pragma once
// What the fuzz targets share: reading fields off the front of an input,
// read streams over memory, and a check that stops the run when a property
// of the code under test does not hold (libFuzzer then keeps the input).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

// Aborts with the failed condition: a finding, like a sanitizer report.
#define ZERB_FUZZ_CHECK(cond) ((cond) ? (void)0 : ::zerb::fuzz::Fail(#cond, __FILE__, __LINE__))

namespace zerb::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
  std::abort();
}

// Takes little-endian fields off the front of an input; once the input is
// used up every further field reads as 0 and every further span is empty.
class InputReader {
 public:
  InputReader(const uint8_t* data, std::size_t size) : bytes_(data, size) {}

  uint8_t U8() { return static_cast<uint8_t>(Field(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Field(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Field(4)); }
  // The next n bytes, or fewer when the input ends sooner.
  std::span<const uint8_t> Take(std::size_t n) {
    const std::size_t k = n < bytes_.size() ? n : bytes_.size();
    const auto taken = bytes_.first(k);
    bytes_ = bytes_.subspan(k);
    return taken;
  }
  std::span<const uint8_t> Rest() { return Take(bytes_.size()); }

 private:
  uint64_t Field(std::size_t width) {
    uint64_t value = 0;
    const auto bytes = Take(width);
    for (std::size_t i = 0; i < bytes.size(); ++i) value |= uint64_t{bytes[i]} << (8 * i);
    return value;
  }

  std::span<const uint8_t> bytes_;
};

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A binary read stream over the bytes (an empty file for no bytes). The
// bytes must outlive the stream.
inline File ReadStream(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return File(std::fopen("/dev/null", "rb"));
  return File(fmemopen(const_cast<uint8_t*>(bytes.data()), bytes.size(), "rb"));
}

// A write stream that collects what is written in `text` (valid after the
// stream is flushed or closed).
class MemoryWriter {
 public:
  MemoryWriter() : stream_(open_memstream(&buffer_, &size_)) {}
  MemoryWriter(const MemoryWriter&) = delete;
  MemoryWriter& operator=(const MemoryWriter&) = delete;
  ~MemoryWriter() {
    stream_.reset();
    std::free(buffer_);
  }
  std::FILE* get() const { return stream_.get(); }
  std::string Text() {
    std::fflush(stream_.get());
    return std::string(buffer_ ? buffer_ : "", size_);
  }

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  File stream_;
};

}  // namespace zerb::fuzz
