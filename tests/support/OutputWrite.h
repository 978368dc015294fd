#pragma once
// An output file written whole through OutputFile, as a conversion writes
// one (for the tests of the app room, which link it).

#include <string>

#include "app/OutputFile.h"

namespace zerb::test {

// Opens `path`, writes the bytes and commits; false with `error` set when
// any step fails.
inline bool WriteAndCommit(const std::string& path, const std::string& bytes, std::string& error) {
  auto output = OutputFile::Open(path, error);
  return output && output->Sink().Write(bytes) && output->Commit(error);
}

}  // namespace zerb::test
