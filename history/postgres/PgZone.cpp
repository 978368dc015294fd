// The PostgreSQL store's steps of the zone rule (history/StoreZone.h).

#include "history/postgres/PgStore.h"

namespace zerb {

std::string PgStore::SiteZone(uint32_t site) {
  PgResult zone = Run("SELECT zone FROM sites WHERE site = $1 AND zone IS NOT NULL", {std::to_string(site)}, "read");
  return zone.Rows() > 0 ? std::string(zone.Text(0, 0)) : std::string();
}

std::vector<std::pair<int64_t, int64_t>> PgStore::UnplacedImports(uint32_t site) {
  PgResult rows =
      Run("SELECT id, last_time FROM imports WHERE site = $1 AND utc_offset IS NULL", {std::to_string(site)}, "read");
  std::vector<std::pair<int64_t, int64_t>> imports;
  for (int row = 0; row < rows.Rows(); ++row) imports.emplace_back(rows.Integer(row, 0), rows.Integer(row, 1));
  return imports;
}

void PgStore::PlaceImports(uint32_t site, const std::string& zone,
                           const std::vector<std::pair<int64_t, int32_t>>& offsets) {
  Run("UPDATE sites SET zone = $2 WHERE site = $1", {std::to_string(site), zone}, "write");
  for (const auto& [import, seconds] : offsets)
    Run("UPDATE imports SET utc_offset = $2 WHERE id = $1", {std::to_string(import), std::to_string(seconds)}, "write");
}

}  // namespace zerb
