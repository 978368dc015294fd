#pragma once
// The window's work on a history store, without any window toolkit: each
// call opens its own connection to the store and closes it before it
// returns (a store's connection serves one thread at a time), so the window
// runs these on worker threads, one connection per thread. None throws: a
// failure comes back as one sentence for the user.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/Store.h"
#include "styles/TableSettings.h"
#include "summary/SummaryRequest.h"
#include "ui/HistoryView.h"

namespace zerb {

struct StoreListing {
  std::vector<SiteSummary> sites;
  std::string error;
  bool passwordWanted = false;  // the server wants a password (none given, or a wrong one)
};
// The sites of the store at `location` (as `--db` takes it), opened read-only.
StoreListing ListStore(const std::string& location);

// Writes the site's stored rows with times in [from, to] and the chosen
// channels (export's order) as `table` lays them out, or with a summary its
// figures per period, as `export` (with --every) writes them (a temporary
// file put in place whole). Empty when written, else why not;
// the store itself is never the output.
std::string ExportHistory(const std::string& location, uint32_t site, int64_t from, int64_t to,
                          const std::vector<std::size_t>& channels, const TableSettings& table,
                          const std::optional<SummaryRequest>& summary, const std::string& path);

// Imports the logs as `import` does (one log failing never ends the
// batch), one line per log: "stored LOG (site N, R readings)", "skipped LOG:
// already in the store", "refused LOG: REASON; nothing of it was stored";
// a store that fails or goes away ends the batch with a line saying so.
std::vector<std::string> ImportLogs(const std::string& location, const std::vector<std::string>& logs);

// True when libpq's error says the server wants a password it did not get.
bool AsksForPassword(std::string_view error);
// The PostgreSQL address with `password` added (a URI parameter or a
// connection-string pair, quoted as libpq reads it).
std::string WithPassword(const std::string& address, const std::string& password);

}  // namespace zerb
