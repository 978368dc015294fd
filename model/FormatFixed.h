#pragma once
// Decimal text of a fixed-point integer: value × 10^exponent.

#include <string_view>

namespace zerb {

// Formats value × 10^exponent: a negative exponent gives -exponent fraction
// digits after a "." (leading zeros kept, "0" before the point when the
// value is below 1); a positive exponent appends exponent zeros to a
// non-zero value; a negative value gets "-". Blanks are put in front until
// the text is width characters long (right alignment).
//
// Returns a view of a buffer of the calling thread that its next call
// overwrites.
// The text has no length limit (any exponent or width gives the whole text;
// the buffer grows when a text needs more than it holds). When dest is not
// null the text and a terminating NUL are also copied there; dest must hold
// the text's length plus one.
std::string_view FormatFixed(int value, int exponent, int width = 0, char* dest = nullptr);

}  // namespace zerb
