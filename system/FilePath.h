#pragma once
// Paths travel through the program as UTF-8 text (on Windows the program
// runs in the UTF-8 code page, so its arguments and the C library's narrow
// file functions are UTF-8 too). std::filesystem reads a narrow string in
// the C library's own code page on Windows, not as UTF-8: every path handed
// to it, or taken from it, goes through these two.

#include <filesystem>
#include <string>
#include <string_view>

namespace zerb {

// The path the text names. On POSIX the bytes unchanged (a name need not be
// UTF-8 there); on Windows the text read as UTF-8.
std::filesystem::path PathFromText(std::string_view text);

// The path as text: its bytes on POSIX, UTF-8 on Windows.
std::string TextFromPath(const std::filesystem::path& path);

}  // namespace zerb
