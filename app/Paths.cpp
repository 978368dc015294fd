#include "app/Paths.h"

#include "system/FilePath.h"

#include <filesystem>
#include <system_error>

namespace zerb {

std::string_view FileNamePart(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

namespace {

// The white space a "%u" scan skips: space, tab, newline, vertical tab,
// form feed and carriage return.
bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number a "%u" scan reads from the start of `name`: white space
// skipped, an optional sign ("-" negates modulo 2^32), then at least one
// decimal digit, ending at the first non-digit. Nothing when there is no
// digit or the digits pass 32 bits.
std::optional<uint32_t> LeadingNumber(std::string_view name) {
  std::size_t i = 0;
  while (i < name.size() && IsScanSpace(name[i])) ++i;
  const bool negative = i < name.size() && name[i] == '-';
  if (i < name.size() && (name[i] == '+' || name[i] == '-')) ++i;
  if (i == name.size() || !IsDigit(name[i])) return std::nullopt;
  uint64_t value = 0;
  for (; i < name.size() && IsDigit(name[i]); ++i) {
    value = value * 10 + static_cast<uint64_t>(name[i] - '0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  const auto number = static_cast<uint32_t>(value);
  return negative ? 0u - number : number;
}

}  // namespace

std::optional<SiteFileRef> SiteFileFor(std::string_view logPath) {
  const std::string_view name = FileNamePart(logPath);
  const auto number = LeadingNumber(name);
  if (!number) return std::nullopt;
  SiteFileRef ref;
  ref.path.assign(logPath.substr(0, logPath.size() - name.size()));
  ref.path += std::to_string(*number);
  ref.path += ".STE";
  ref.number = static_cast<uint16_t>(*number);
  ref.fileNumber = *number;
  return ref;
}

SiteFileRef SiteFileAt(std::string_view sitePath, std::string_view logPath) {
  SiteFileRef ref;
  ref.path.assign(sitePath);
  if (const auto own = SiteFileFor(sitePath)) {
    ref.number = own->number;
    ref.fileNumber = own->fileNumber;
  } else if (const auto logs = SiteFileFor(logPath)) {
    ref.number = logs->number;
    ref.fileNumber = logs->fileNumber;
  }
  return ref;
}

std::string OutputPathFor(std::string_view logPath, std::string_view extension) {
  const std::size_t nameStart = logPath.size() - FileNamePart(logPath).size();
  const std::size_t dot = logPath.find('.', nameStart);
  std::string out(logPath.substr(0, dot));
  out += '.';
  out += extension;
  return out;
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code ec;
  return std::filesystem::equivalent(PathFromText(a), PathFromText(b), ec) && !ec;
}

}  // namespace zerb
