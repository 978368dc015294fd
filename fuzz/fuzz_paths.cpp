// Fuzz target: the path rules of a conversion. The input is a log path and,
// after the first NUL byte, the output extension. Each rule is compared with
// a plain reading of it: the site file is the folder, the leading number of
// the file name and ".STE"; the output is the path cut at the first "." of
// its file name, then "." and the extension.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/Paths.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace zerb;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

void CheckFileNamePart(std::string_view path, std::string_view name) {
  ZERB_FUZZ_CHECK(name.size() <= path.size());
  ZERB_FUZZ_CHECK(path.substr(path.size() - name.size()) == name);
  for (char c : name) ZERB_FUZZ_CHECK(!IsSeparator(c));
  if (name.size() < path.size()) ZERB_FUZZ_CHECK(IsSeparator(path[path.size() - name.size() - 1]));
}

// What a "%u" scan reads: white space, an optional sign ("-" negates modulo
// 2^32), then the decimal digits; nothing when there are none or the digits
// pass 32 bits.
std::optional<uint64_t> LeadingNumber(std::string_view name) {
  const auto first = name.find_first_not_of(" \t\n\v\f\r");
  if (first == std::string_view::npos) return std::nullopt;
  name.remove_prefix(first);
  const bool negative = name.starts_with('-');
  if (negative || name.starts_with('+')) name.remove_prefix(1);
  const auto digits = name.find_first_not_of("0123456789");
  const std::string_view number = name.substr(0, digits);
  if (number.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : number) {
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  return negative ? ((uint64_t{1} << 32) - value) & UINT32_MAX : value;
}

// Where the digits cannot overflow, the C library's own scan must agree.
void CheckAgainstScan(std::string_view name, const std::optional<uint64_t>& number) {
  const std::string text(name);
  if (text.find_first_of("0123456789") == std::string::npos) return;
  const auto digits = text.find_first_of("0123456789");
  const auto end = text.find_first_not_of("0123456789", digits);
  if ((end == std::string::npos ? text.size() : end) - digits > 9) return;
  unsigned scanned = 0;
  const bool read = std::sscanf(text.c_str(), "%u", &scanned) == 1;
  ZERB_FUZZ_CHECK(read == number.has_value());
  if (read) ZERB_FUZZ_CHECK(scanned == *number);
}

void CheckSiteFile(std::string_view logPath, std::string_view name) {
  const auto ref = SiteFileFor(logPath);
  const auto number = LeadingNumber(name);
  ZERB_FUZZ_CHECK(ref.has_value() == number.has_value());
  CheckAgainstScan(name, number);
  if (!ref) return;
  const std::string folder(logPath.substr(0, logPath.size() - name.size()));
  ZERB_FUZZ_CHECK(ref->path == folder + std::to_string(*number) + ".STE");
  ZERB_FUZZ_CHECK(ref->number == static_cast<uint16_t>(*number));
}

void CheckOutputPath(std::string_view logPath, std::string_view name, std::string_view extension) {
  const std::string out = OutputPathFor(logPath, extension);
  const std::string_view folder = logPath.substr(0, logPath.size() - name.size());
  const std::string_view stem = name.substr(0, name.find('.'));
  ZERB_FUZZ_CHECK(out == std::string(folder) + std::string(stem) + "." + std::string(extension));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto nul = input.find('\0');
  const std::string_view logPath = input.substr(0, nul);
  const std::string_view extension = nul == std::string_view::npos ? std::string_view("CSV") : input.substr(nul + 1);
  const std::string_view name = FileNamePart(logPath);
  CheckFileNamePart(logPath, name);
  CheckSiteFile(logPath, name);
  CheckOutputPath(logPath, name, extension);
  return 0;
}
