#pragma once
// What the command line says about a log whose site file was not read
// whole: the channels then convert with default names and the TS4-C type.

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
