#include "history/StoreZone.h"

#include "styles/ZoneClock.h"

namespace zerb {

std::string ZoneRefusal(uint32_t site, const std::string& stored, const std::string& asked) {
  return "site " + std::to_string(site) + " is kept in the zone " + stored + " in this store, not " + asked;
}

std::string PlaceInZone(ImportEngine& engine, uint32_t site, const std::string& zone) {
  if (zone.empty()) return {};
  std::vector<std::pair<int64_t, int32_t>> offsets;
  for (const auto& [import, last] : engine.UnplacedImports(site)) {
    ZoneClock clock(ZoneOfText(zone));
    if (!clock.Error().empty()) return clock.Error();
    // The clock reading of the row, as a log's own rows give it.
    clock.Anchor(static_cast<uint32_t>(last));
    offsets.emplace_back(import, clock.ClockOffset());
  }
  engine.PlaceImports(site, zone, offsets);
  return {};
}

}  // namespace zerb
