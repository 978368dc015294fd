#pragma once
// A 64 KiB staging buffer in front of an OutputSink: the writers format
// straight into it and it goes to the sink in large blocks. A text of any
// length goes through: what does not fit the buffer is handed on whole. The
// first failed write is remembered and everything after it is dropped, so a
// writer checks Failed() once per row instead of after every field.

#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "classic/OutputSink.h"

namespace zerb {

class TextBuffer {
 public:
  static constexpr std::size_t Capacity = 64 * 1024;

  explicit TextBuffer(OutputSink& sink) : sink_(sink) {}
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  // A place for n chars, any n; Commit says how many were used. A place
  // larger than the buffer is a spare area of its own, whose text goes to
  // the sink before anything after it.
  char* Reserve(std::size_t n) {
    if (used_ + n <= Capacity) [[likely]] return buffer_.data() + used_;
    return ReserveBeyond(n);
  }
  void Commit(std::size_t n) { used_ += n; }

  void Append(std::string_view text) {
    // An empty view may have no data pointer at all (an invalid value's
    // text), and memcpy must not be handed one.
    if (text.empty()) return;
    if (used_ + text.size() > Capacity) {
      Flush();
      if (text.size() > Capacity) {  // larger than the buffer: straight through
        Send(text);
        return;
      }
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  // The size a text takes when copied in whole 16-byte blocks, which beats
  // a memcpy call for the short fields the writers put out by the million.
  static constexpr std::size_t PaddedSize(std::size_t n) { return (n + 15) & ~std::size_t{15}; }
  void Put(char c) {
    if (used_ >= Capacity) Flush();
    buffer_[used_++] = c;
  }
  // Every line of the output ends in CR LF, whatever the platform.
  void EndLine() {
    Put('\r');
    Put('\n');
  }

  // Hands the buffered text to the sink; false once any write has failed.
  bool Flush() {
    Send(used_ <= Capacity ? std::string_view(buffer_.data(), used_)
                           : std::string_view(spare_.data(), used_ - SpareStart));
    used_ = 0;
    return !failed_;
  }
  bool Failed() const { return failed_; }

 private:
  void Send(std::string_view text) {
    if (!failed_ && !text.empty() && !sink_.Write(text)) failed_ = true;
  }

  // A place the buffer's rest cannot hold. One larger than the whole buffer
  // is the spare area; used_ then counts from SpareStart, past the buffer's
  // end, so that Commit needs no test of its own and whatever comes next
  // flushes the spare text first.
  static constexpr std::size_t SpareStart = Capacity + 1;
  char* ReserveBeyond(std::size_t n) {
    Flush();
    if (n <= Capacity) return buffer_.data();
    spare_.resize(n);
    used_ = SpareStart;
    return spare_.data();
  }

  OutputSink& sink_;
  std::size_t used_ = 0;
  bool failed_ = false;
  std::vector<char> spare_;  // a place larger than the buffer
  std::array<char, Capacity> buffer_;
};

// A text kept for a copy in whole 16-byte blocks: its bytes are followed by
// room up to the padded size.
class PaddedText {
 public:
  PaddedText() = default;
  explicit PaddedText(std::string_view text) { Set(text); }
  void Set(std::string_view text) {
    bytes_.assign(TextBuffer::PaddedSize(text.size()), '\0');
    if (!text.empty()) std::memcpy(bytes_.data(), text.data(), text.size());
    size_ = text.size();
  }
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
