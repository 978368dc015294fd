#pragma once
// The output routine's sink: hands the bytes to a stream it opened itself
// and keeps the reason (errno) of the first failure for its message.

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "classic/OutputSink.h"

namespace zerb {

class StreamSink final : public OutputSink {
 public:
  bool Write(std::string_view bytes) override {
    if (bytes.empty()) return true;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size()) return true;
    if (!error) error = errno ? errno : EIO;
    return false;
  }
  std::FILE* stream = nullptr;
  int error = 0;
};

}  // namespace zerb
