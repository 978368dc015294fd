#pragma once
// What this build of zerb32-cli carries. CMake sets ZERB32_HISTORY (the
// commands on the history store, which need SQLite) and ZERB32_TIMEZONES
// (the options that need the time-zone database) and ZERB32_XLSX (the xlsx
// style, which needs libxlsxwriter); the Windows build has none of them. A
// command or option the build lacks is refused as a usage error.

#include <string>
#include <string_view>

namespace zerb {

inline constexpr bool BuildHasHistory = ZERB32_HISTORY;
inline constexpr bool BuildHasTimeZones = ZERB32_TIMEZONES;
inline constexpr bool BuildHasXlsx = ZERB32_XLSX;

inline constexpr int NotInThisBuildExit = 2;

// The standard-error line for `what` (a command or an option as typed).
inline std::string NotInThisBuildMessage(std::string_view what) {
  return "zerb32-cli: " + std::string(what) + ": not available in this build\n";
}

}  // namespace zerb
