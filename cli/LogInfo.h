#pragma once
// The --info report: what the site file and the log hold, in words.

#include <cstdio>

namespace zerb {

class TLog;
class TSite;
struct OpenedLog;

// Writes the site's name and number, the log's description, header figures
// and times, the channel table and the site's listings.
void PrintLogInfo(std::FILE* out, const OpenedLog& opened, const TSite& site, const TLog& log);

}  // namespace zerb
