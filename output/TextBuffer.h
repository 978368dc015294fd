#pragma once
// A 64 KiB staging buffer in front of an OutputSink: the writers format
// straight into it and it goes to the sink in large blocks. The first failed
// write is remembered and everything after it is dropped, so a writer checks
// Failed() once per row instead of after every field.

#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "output/OutputSink.h"

namespace zerb {

class TextBuffer {
 public:
  static constexpr std::size_t Capacity = 64 * 1024;

  explicit TextBuffer(OutputSink& sink) : sink_(sink) {}
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  // A place for up to n chars (n <= Capacity); Commit says how many were used.
  char* Reserve(std::size_t n) {
    if (Capacity - used_ < n) Flush();
    return buffer_.data() + used_;
  }
  void Commit(std::size_t n) { used_ += n; }

  void Append(std::string_view text) {
    // An empty view may have no data pointer at all (an invalid value's
    // text), and memcpy must not be handed one.
    if (text.empty()) return;
    if (text.size() > Capacity - used_) {
      Flush();
      if (text.size() > Capacity) {  // larger than the buffer: straight through
        Send(text);
        return;
      }
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  // Appends n chars from src, which must be readable for PaddedSize(n)
  // bytes: copied in whole 16-byte blocks, which beats a memcpy call for the
  // short fields the writers put out by the million.
  static constexpr std::size_t PaddedSize(std::size_t n) { return (n + 15) & ~std::size_t{15}; }
  void AppendPadded(const char* src, std::size_t n) {
    const std::size_t padded = PaddedSize(n);
    if (padded > Capacity) return Append(std::string_view(src, n));
    char* p = Reserve(padded);
    for (std::size_t k = 0; k < padded; k += 16) std::memcpy(p + k, src + k, 16);
    used_ += n;
  }
  void Put(char c) { *Reserve(1) = c; ++used_; }
  // Every line of the output ends in CR LF, whatever the platform.
  void EndLine() {
    char* p = Reserve(2);
    p[0] = '\r';
    p[1] = '\n';
    used_ += 2;
  }

  // Hands the buffered text to the sink; false once any write has failed.
  bool Flush() {
    Send(std::string_view(buffer_.data(), used_));
    used_ = 0;
    return !failed_;
  }
  bool Failed() const { return failed_; }

 private:
  void Send(std::string_view text) {
    if (!failed_ && !text.empty() && !sink_.Write(text)) failed_ = true;
  }

  OutputSink& sink_;
  std::size_t used_ = 0;
  bool failed_ = false;
  std::array<char, Capacity> buffer_;
};

// A text kept for TextBuffer::AppendPadded: its bytes are followed by room
// up to the padded size.
class PaddedText {
 public:
  PaddedText() = default;
  explicit PaddedText(std::string_view text) { Set(text); }
  void Set(std::string_view text) {
    bytes_.assign(TextBuffer::PaddedSize(text.size()), '\0');
    if (!text.empty()) std::memcpy(bytes_.data(), text.data(), text.size());
    size_ = text.size();
  }
  void AppendTo(TextBuffer& out) const { out.AppendPadded(bytes_.data(), size_); }
  // Copies the text in whole 16-byte blocks: dest must have room for
  // Room() chars. Returns the end of the text in dest.
  char* CopyTo(char* dest) const {
    for (std::size_t k = 0; k < size_; k += 16) std::memcpy(dest + k, bytes_.data() + k, 16);
    return dest + size_;
  }
  std::size_t Room() const { return bytes_.size(); }
  std::size_t size() const { return size_; }

 private:
  std::vector<char> bytes_;
  std::size_t size_ = 0;
};

}  // namespace zerb
