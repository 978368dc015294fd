#pragma once
// Opening a log or site file for reading: only a regular file is read, and
// opening never waits (a pipe planted under the name must not hang the
// program).

#include <cstdio>
#include <memory>
#include <string>

namespace zerb {

struct CloseFile {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using InputStream = std::unique_ptr<std::FILE, CloseFile>;

struct OpenedInput {
  InputStream stream;   // null when the file can't be read
  bool missing = false; // nothing of that name exists
  std::string reason;   // why it can't be read: the system's reason, "it is a folder", ...
  int errorNumber = 0;  // the errno of the reason: the system's, EISDIR for a folder; else 0
};

OpenedInput OpenInputFile(const std::string& path);

}  // namespace zerb
