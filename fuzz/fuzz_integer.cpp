// Fuzz target: the strict whole-number conversion of the number fields.
// The input is the text. The result is compared with a second reading of
// the same rule built on std::from_chars, and every accepted value must
// come back from its decimal and hexadecimal forms.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/IntegerText.h"
#include "fuzz/FuzzSupport.h"

namespace {

using zerb::ParseInteger;

bool IsDigitOf(char c, int base) {
  if (c >= '0' && c <= '9') return true;
  return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// Blanks, a sign, "$" or "0x" for hexadecimal, then only digits of the base,
// at least one, and the value within the signed 32-bit range.
std::optional<int32_t> Reference(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("$")) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  for (char c : text)
    if (!IsDigitOf(c, base)) return std::nullopt;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (magnitude > (negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1)) return std::nullopt;
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
}

void CheckForms(int32_t value) {
  ZERB_FUZZ_CHECK(ParseInteger(std::to_string(value)) == value);
  const int64_t wide = value;
  const uint64_t magnitude = static_cast<uint64_t>(wide < 0 ? -wide : wide);
  char hex[32];
  std::snprintf(hex, sizeof hex, "%s$%llX", value < 0 ? "-" : "", static_cast<unsigned long long>(magnitude));
  ZERB_FUZZ_CHECK(ParseInteger(hex) == value);
  std::snprintf(hex, sizeof hex, " \t%s0x%llx", value < 0 ? "-" : "+", static_cast<unsigned long long>(magnitude));
  ZERB_FUZZ_CHECK(ParseInteger(hex) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<int32_t> value = ParseInteger(text);
  ZERB_FUZZ_CHECK(value == Reference(text));
  if (value) {
    CheckForms(*value);
  } else {
    const std::string message = zerb::NotAnIntegerMessage(text);
    ZERB_FUZZ_CHECK(message == "'" + std::string(text) + "' is not a valid integer value");
  }
  // The same text with something after it is never a number.
  ZERB_FUZZ_CHECK(!ParseInteger(std::string(text) + "x"));
  return 0;
}
