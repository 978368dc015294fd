#include "styles/xlsx/WorkbookFile.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace zerb {

WorkbookFile::WorkbookFile() : file_(std::tmpfile()) {
  if (!file_) {
    error_ = std::string("cannot make a temporary file: ") + std::strerror(errno);
    return;
  }
  // The file has no name; the descriptor's entry under /proc opens it again.
  name_ = "/proc/self/fd/" + std::to_string(fileno(file_));
}

WorkbookFile::~WorkbookFile() {
  if (file_) std::fclose(file_);
}

bool WorkbookFile::CopyTo(OutputSink& out) {
  if (!file_) return false;  // GCOVR_EXCL_BR_LINE: only a file that was made is written and copied
  // The library wrote through a file of its own: this stream starts over.
  // A seek or read of a regular temporary file fails only when the disk
  // itself does, which no test can bring about.
  // GCOVR_EXCL_START
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    error_ = std::string("cannot read the workbook back: ") + std::strerror(errno);
    return false;
  }
  // GCOVR_EXCL_STOP
  std::vector<char> block(1 << 16);
  for (;;) {
    const std::size_t got = std::fread(block.data(), 1, block.size(), file_);
    if (got > 0 && !out.Write(std::string_view(block.data(), got))) return false;
    if (got < block.size()) break;
  }
  // GCOVR_EXCL_START: as the seek above
  if (std::ferror(file_)) {
    error_ = "cannot read the workbook back";
    return false;
  }
  // GCOVR_EXCL_STOP
  return true;
}

}  // namespace zerb
