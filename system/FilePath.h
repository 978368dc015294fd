#pragma once
// Paths travel through the program as narrow text in the process's code
// page, as its arguments and the C library's file functions take them; on
// Windows the program asks for the UTF-8 code page in its manifest, so that
// any name can be written. std::filesystem reads a narrow string in another
// code page on Windows (each byte a letter of its own): every path handed to
// it, or taken from it, goes through these two.

#include <filesystem>
#include <string>
#include <string_view>

namespace zerb {

// The path the text names. On POSIX the bytes unchanged (a name need not be
// UTF-8 there); on Windows the text read in the process's code page.
std::filesystem::path PathFromText(std::string_view text);

// The path as text: its bytes on POSIX, the process's code page on Windows.
std::string TextFromPath(const std::filesystem::path& path);

}  // namespace zerb
