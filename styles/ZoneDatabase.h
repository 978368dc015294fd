#pragma once
// The system's time-zone database, through the zone plugin
// (libzerb32-zones.so), which is loaded the first time a zone is looked up:
// the date library and the C++ runtime it needs would otherwise be loaded
// and bound by every start of every program, zones asked for or not.

#include <cstdint>
#include <string>

namespace zerb::zones {

// An IANA zone of the database; valid for the life of the process.
struct Zone;

struct Lookup {
  const Zone* zone = nullptr;
  std::string error;  // when zone is null: why
};
// The zone of that name, or why there is none: an unknown name, a build
// without zones, or a plugin that cannot be loaded.
Lookup Find(const std::string& name);

// The offset from UTC (seconds) that holds at a UTC instant, and the span
// of UTC instants [begin, end) over which it holds.
struct UtcSpan {
  int64_t begin = 0, end = 0;
  int32_t offset = 0;
};
UtcSpan AtUtc(const Zone& zone, int64_t utc);

// How a local clock reading falls in the zone: once, in an hour the zone
// skips, or in one it repeats; with the offset before any change.
enum class LocalFall : uint8_t { Once, Skipped, Repeated };
struct LocalOffset {
  LocalFall fall = LocalFall::Once;
  int32_t before = 0;
};
LocalOffset AtLocal(const Zone& zone, int64_t local);

}  // namespace zerb::zones
