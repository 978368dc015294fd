#pragma once
// Where the writers' text goes. Writers format into a large buffer and hand
// it over in big blocks; a sink only has to accept bytes or say it couldn't.

#include <cstdio>
#include <string>
#include <string_view>

namespace zerb {

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  // Accepts all of the bytes or returns false.
  virtual bool Write(std::string_view bytes) = 0;
};

// Writes to a stream opened by the caller in binary mode ("wb"); line ends
// are the writers' own CR LF, so the bytes are the same on every platform.
class FileSink final : public OutputSink {
 public:
  explicit FileSink(std::FILE* stream) : stream_(stream) {}
  bool Write(std::string_view bytes) override {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size();
  }

 private:
  std::FILE* stream_;
};

// Collects the text in memory (tests, previews).
class StringSink final : public OutputSink {
 public:
  bool Write(std::string_view bytes) override {
    text.append(bytes);
    return true;
  }
  std::string text;
};

}  // namespace zerb
