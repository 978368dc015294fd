#pragma once
// The time-zone plugin's interface: plain C functions, so that the programs
// can load the plugin (and the date library and C++ runtime it brings) only
// when a time zone is asked for. A zone is an opaque pointer into the
// database, valid for the life of the process.

#include <stdint.h>

// The version of this interface; a plugin of another version is not used.
inline constexpr int ZERB32_ZONES_INTERFACE = 1;

extern "C" {

int zerb32_zones_interface(void);

// The zone of an IANA name, or null when the database lacks it.
const void* zerb32_zone_find(const char* name);

// The offset in seconds the zone has at a UTC instant, and the UTC span
// [*begin, *end) over which it holds. Instants are seconds since 1970.
void zerb32_zone_at_utc(const void* zone, int64_t utc, int64_t* begin, int64_t* end, int32_t* offset);

// How the zone reads a local clock time (seconds since 1970-01-01 00:00):
// 0 once, 1 in an hour the zone skips, 2 in an hour it repeats. *before is
// the offset before the change (the only one when 0).
int zerb32_zone_at_local(const void* zone, int64_t local, int32_t* before);

}

// Each function's type, for the loader.
using ZonesInterfaceFunction = decltype(&zerb32_zones_interface);
using ZoneFindFunction = decltype(&zerb32_zone_find);
using ZoneAtUtcFunction = decltype(&zerb32_zone_at_utc);
using ZoneAtLocalFunction = decltype(&zerb32_zone_at_local);
