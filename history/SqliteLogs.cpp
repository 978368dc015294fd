// The SQLite store's list of the logs an export comes from.

#include "history/SqliteStore.h"

namespace zerb {

std::vector<StoredLog> SqliteStore::Logs(uint32_t site, int64_t from, int64_t to) {
  std::vector<StoredLog> logs;
  try {
    SqliteStatement s(*db_,
                      "SELECT log_path, first_time, last_time, interval_seconds, conflicts FROM imports "
                      "WHERE site = ?1 AND last_time >= ?2 AND first_time <= ?3 ORDER BY first_time, last_time");
    s.Bind(1, site).Bind(2, from).Bind(3, to);
    while (s.Step()) logs.push_back({s.Text(0), {s.Int(1), s.Int(2), static_cast<uint16_t>(s.Int(3))}, s.Int(4)});
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
  return logs;
}

}  // namespace zerb
