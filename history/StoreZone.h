#pragma once
// A store's zone rule: a site's logger follows one zone, recorded with the
// first import that names it (import --tz or --utc-offset) and kept for
// every later import of the site. Each import's UTC offset is the offset
// its newest row has in the zone (styles/ZoneClock.h), so the store gives
// each reading the instant an export with --tz gives it. A zone recorded
// for a site stored without one places its stored logs too.

#include <cstdint>
#include <string>

#include "history/ImportPlan.h"

namespace zerb {

// The line refusing an import with another zone than the site's.
std::string ZoneRefusal(uint32_t site, const std::string& stored, const std::string& asked);

// Records `zone` ("" for none: nothing happens) for the site and gives each
// of its imports without an offset the offset of its last row time there.
// "" when done, else why not (a zone the system does not know).
std::string PlaceInZone(ImportEngine& engine, uint32_t site, const std::string& zone);

}  // namespace zerb
