#pragma once
// Texts read from files (names, descriptions) shown on a terminal: a control
// byte there could move the cursor, retitle the window or erase the screen,
// so each one is shown as "\xHH" instead.

#include <string>
#include <string_view>

namespace zerb {

// `text` with every byte below 0x20 and 0x7F written as "\x" and two
// upper-case hexadecimal digits; other bytes as they are.
std::string PrintableText(std::string_view text);

}  // namespace zerb
