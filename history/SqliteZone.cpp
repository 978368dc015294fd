// The SQLite store's steps of the zone rule (history/StoreZone.h).

#include "history/SqliteStore.h"

namespace zerb {

std::string SqliteStore::SiteZone(uint32_t site) {
  SqliteStatement s(*db_, "SELECT zone FROM sites WHERE site = ?1 AND zone IS NOT NULL");
  s.Bind(1, site);
  return s.Step() ? s.Text(0) : std::string();
}

std::vector<std::pair<int64_t, int64_t>> SqliteStore::UnplacedImports(uint32_t site) {
  SqliteStatement s(*db_, "SELECT id, last_time FROM imports WHERE site = ?1 AND utc_offset IS NULL");
  s.Bind(1, site);
  std::vector<std::pair<int64_t, int64_t>> imports;
  while (s.Step()) imports.emplace_back(s.Int(0), s.Int(1));
  return imports;
}

void SqliteStore::PlaceImports(uint32_t site, const std::string& zone,
                               const std::vector<std::pair<int64_t, int32_t>>& offsets) {
  SqliteStatement(*db_, "UPDATE sites SET zone = ?2 WHERE site = ?1").Bind(1, site).Bind(2, zone).Run();
  SqliteStatement offset(*db_, "UPDATE imports SET utc_offset = ?2 WHERE id = ?1");
  for (const auto& [import, seconds] : offsets) offset.Bind(1, import).Bind(2, seconds).Run();
}

}  // namespace zerb
