#pragma once
// The strict whole-number conversion of the window's number fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zerb {

// Optional leading blanks, an optional sign, then decimal digits, or
// hexadecimal digits after "$" or "0x"; nothing after them; the value must
// fit a signed 32-bit int. Anything else, the empty text included, gives
// nothing.
std::optional<int32_t> ParseInteger(std::string_view text);

// The error shown for a text that ParseInteger refuses.
std::string NotAnIntegerMessage(std::string_view text);

}  // namespace zerb
