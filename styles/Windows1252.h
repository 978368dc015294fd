#pragma once
// Windows-1252, the 8-bit code page of the site files' texts, and UTF-8.

#include <string>
#include <string_view>

namespace zerb {

// The text read as Windows-1252, in UTF-8. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD, the
// replacement character, so the output is always valid UTF-8.
std::string Utf8FromWindows1252(std::string_view text);

// The UTF-8 text in Windows-1252, for an 8-bit output: every character the
// code page has becomes its byte; any other character, or a byte that is not
// valid UTF-8, becomes "?".
std::string Windows1252FromUtf8(std::string_view text);

// The text as it is when it is UTF-8 (a file name on most systems), else
// read as Windows-1252: always valid UTF-8.
std::string Utf8Text(std::string_view text);

}  // namespace zerb
