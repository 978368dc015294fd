#pragma once
// What a front end says of a log whose site file was not read whole: the
// channels then convert with default names and the TS4-C type.

#include <string>

namespace zerb {

struct OpenedLog;

// Why the log's site file was not read whole ("site file S not found"), or
// "" when it loaded whole.
std::string SiteShortfall(const OpenedLog& opened);

// The warning for a log converted anyway: the shortfall and what it means
// for the channels ("...; channels keep default names and types"), or "".
std::string SiteWarning(const OpenedLog& opened);

}  // namespace zerb
