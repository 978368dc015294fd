#include "convert/OutputTarget.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "convert/OutputFile.h"
#include "convert/Paths.h"

namespace zerb {

namespace fs = std::filesystem;

std::string FinalTarget(const std::string& path) {
  fs::path current(path);
  // The same bound the system puts on links followed in one lookup.
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec) break;
    const fs::path text = fs::read_symlink(current, ec);
    if (ec) break;
    current = text.is_absolute() ? text : current.parent_path() / text;
  }
  return current.string();
}

std::string FolderOf(const std::string& path) {
  const std::string parent = fs::path(path).parent_path().string();
  return parent.empty() ? "." : parent;
}

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool HasLogOrSiteName(const std::string& path) {
  const std::string_view name = FileNamePart(path);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = name.substr(dot + 1);
  return EqualsIgnoringCase(extension, "log") || EqualsIgnoringCase(extension, "ste");
}

bool NamesLogOrSiteFile(const std::string& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return false;
  return HasLogOrSiteName(path) || HasLogOrSiteName(FinalTarget(path));
}

}  // namespace zerb
