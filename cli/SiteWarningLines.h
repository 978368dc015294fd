#pragma once
// The command line's lines for a log whose site file was not read whole.

#include <string>

namespace zerb {

struct OpenedLog;

// The warning line for a converted log, or "" when its site file loaded
// whole: "zerb32-cli: warning: LOG: ..." and a line end.
std::string SiteWarningLine(const std::string& logPath, const OpenedLog& opened);

// The failure line under --require-site, or "" when the site file loaded
// whole: "zerb32-cli: LOG: ...; nothing written (--require-site)".
std::string SiteRequiredLine(const std::string& logPath, const OpenedLog& opened);

}  // namespace zerb
