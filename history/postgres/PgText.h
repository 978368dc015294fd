#pragma once
// Text between the logger's 8-bit world and a PostgreSQL database, whose
// text columns hold valid characters only. Channel and site names keep
// their exact bytes through a round trip: each byte is stored as the
// ISO-8859-1 character of that code. Paths are only shown to people: kept
// as they are when already UTF-8.

#include <string>
#include <string_view>

namespace zerb {

// Each byte as the character U+0000..U+00FF, in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);
// The reverse: characters up to U+00FF back to one byte each; anything else
// (not written by Latin1ToUtf8) becomes '?'.
std::string Utf8ToLatin1(std::string_view text);
// A path for a text column: unchanged when valid UTF-8, else as ISO-8859-1.
std::string PathText(std::string_view path);

}  // namespace zerb
