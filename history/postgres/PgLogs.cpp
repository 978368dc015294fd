// The PostgreSQL store's list of the logs an export comes from.

#include "history/postgres/PgStore.h"

namespace zerb {

std::vector<StoredLog> PgStore::Logs(uint32_t site, int64_t from, int64_t to) {
  std::vector<StoredLog> logs;
  PgResult rows = Run(
      "SELECT log_path, first_time, last_time, interval_seconds, conflicts FROM imports "
      "WHERE site = $1 AND last_time >= $2 AND first_time <= $3 ORDER BY first_time, last_time",
      {std::to_string(site), std::to_string(from), std::to_string(to)}, "read");
  for (int row = 0; row < rows.Rows(); ++row)
    logs.push_back({std::string(rows.Text(row, 0)),
                    {rows.Integer(row, 1), rows.Integer(row, 2), static_cast<uint16_t>(rows.Integer(row, 3))},
                    rows.Integer(row, 4)});
  return logs;
}

}  // namespace zerb
