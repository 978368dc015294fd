#pragma once
// Whole files read and written in one call, byte for byte.

#include <string>

namespace zerb::test {

// The whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Replaces the file with the bytes.
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace zerb::test
