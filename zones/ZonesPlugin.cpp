#include "zones/ZonesPlugin.h"

#include <date/tz.h>

#include <chrono>
#include <exception>

// Nothing thrown by the date library may cross the C interface: a zone it
// cannot read is an unknown one, and a lookup that fails reads as UTC.

namespace {

const date::time_zone* ZoneOf(const void* zone) { return static_cast<const date::time_zone*>(zone); }

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int zerb32_zones_interface(void) { return ZERB32_ZONES_INTERFACE; }

__attribute__((visibility("default"))) const void* zerb32_zone_find(const char* name) {
  try {
    return date::locate_zone(name);
  // The date library throws only std::exception kinds: the catch's other
  // arm, the unwinder's type match, is never taken.
  } catch (const std::exception&) {  // GCOVR_EXCL_BR_LINE
    return nullptr;
  }
}

__attribute__((visibility("default"))) void zerb32_zone_at_utc(const void* zone, int64_t utc, int64_t* begin,
                                                               int64_t* end, int32_t* offset) {
  *begin = INT64_MIN;
  *end = INT64_MAX;
  *offset = 0;
  try {
    const date::sys_info info = ZoneOf(zone)->get_info(date::sys_seconds{std::chrono::seconds{utc}});
    *begin = info.begin.time_since_epoch().count();
    *end = info.end.time_since_epoch().count();
    *offset = static_cast<int32_t>(info.offset.count());
  // A located zone's offsets at a UTC time are read without throwing.
  } catch (const std::exception&) {  // GCOVR_EXCL_BR_LINE
  }
}

__attribute__((visibility("default"))) int zerb32_zone_at_local(const void* zone, int64_t local, int32_t* before) {
  *before = 0;
  try {
    const date::local_info info = ZoneOf(zone)->get_info(date::local_seconds{std::chrono::seconds{local}});
    *before = static_cast<int32_t>(info.first.offset.count());
    if (info.result == date::local_info::nonexistent) return 1;
    if (info.result == date::local_info::ambiguous) return 2;
  // The date library throws only std::exception kinds: the catch's other
  // arm, the unwinder's type match, is never taken.
  } catch (const std::exception&) {  // GCOVR_EXCL_BR_LINE
  }
  return 0;
}

}
