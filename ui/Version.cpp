#include "ui/Version.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "ProjectVersion.h"

namespace zerb {

namespace {

// The values a version resource would carry. Built into the program because
// the desktops it runs on have no version resources in executables.
struct VersionValue {
  std::string_view path;
  std::string_view text;
};

// Language 0x0809 (English, United Kingdom), code page 0x04E4 (1252).
constexpr std::array<uint16_t, 2> Translation = {0x0809, 0x04E4};

constexpr std::array<VersionValue, 10> StringTable = {{
    {"\\StringFileInfo\\080904E4\\CompanyName", ""},
    {"\\StringFileInfo\\080904E4\\FileDescription", ""},
    {"\\StringFileInfo\\080904E4\\FileVersion", ProjectVersion},
    {"\\StringFileInfo\\080904E4\\InternalName", ""},
    {"\\StringFileInfo\\080904E4\\LegalCopyright", ""},
    {"\\StringFileInfo\\080904E4\\LegalTrademarks", ""},
    {"\\StringFileInfo\\080904E4\\OriginalFilename", ""},
    {"\\StringFileInfo\\080904E4\\ProductName", ""},
    {"\\StringFileInfo\\080904E4\\ProductVersion", "1.0.0.0"},
    {"\\StringFileInfo\\080904E4\\Comments", ""},
}};

// The path of a named value: "\StringFileInfo\", language and code page as
// four upper-case hexadecimal digits each, "\", the name.
std::string StringPath(uint16_t language, uint16_t codePage, const std::string& name) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%04X%04X", unsigned{language}, unsigned{codePage});
  return std::string("\\StringFileInfo\\") + digits + "\\" + name;
}

}  // namespace

std::string GetVersionInfo(const std::string& name) {
  const std::string path = StringPath(Translation[0], Translation[1], name);
  for (const VersionValue& value : StringTable) {
    if (value.path == path) return std::string(value.text);
  }
  return {};
}

}  // namespace zerb
