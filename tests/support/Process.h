#pragma once
// Runs a program of the build as a separate process, for tests of command
// lines: exit code and everything it printed.

#include <string>
#include <vector>

namespace zerb::test {

struct ProcessResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `args` (no shell), standard input empty.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);

// A path in the build tree (CTest sets ZERB32_BINARY_DIR) or the source tree
// (ZERB32_SOURCE_DIR).
std::string BuildPath(const std::string& relative);
std::string SourcePath(const std::string& relative);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace zerb::test
