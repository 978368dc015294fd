#include "styles/ZoneDatabase.h"

#if ZERB32_TIMEZONES
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ZonesPluginPaths.h"
#include "system/SharedLibrary.h"
#include "zones/ZonesPlugin.h"
#endif

namespace zerb::zones {

#if ZERB32_TIMEZONES

namespace {

// The file holding this code: the program, or a library such as the Python
// module.
std::filesystem::path RunningObject() {
  const std::string file = SharedLibrary::FileHolding(reinterpret_cast<const void*>(&RunningObject));
  return file.empty() ? std::filesystem::path("/proc/self/exe") : std::filesystem::path(file);
}

std::filesystem::path Resolved(const std::filesystem::path& path) {
  std::error_code error;
  auto resolved = std::filesystem::canonical(path, error);
  return error ? path : resolved;
}

// The first of the plugin's places, relative to the folder of the file
// running this code, that holds a file; else the first place. A program and
// the module each look where their own install, or build folder, lays the
// plugin out, so no folder of the machine that built them is compiled in.
std::filesystem::path PluginPath() {
  const auto object = Resolved(RunningObject());
  const bool program = object == Resolved("/proc/self/exe");
  // The branches of building the lists are the compiler's.
  const std::vector<std::string> places = program ? std::vector<std::string>{ZERB32_ZONES_FROM_PROGRAM}  // GCOVR_EXCL_BR_LINE
                                                  : std::vector<std::string>{ZERB32_ZONES_FROM_MODULE};  // GCOVR_EXCL_BR_LINE
  // Empty only for a module in a build that makes none.
  if (places.empty()) return {};  // GCOVR_EXCL_BR_LINE: each object a build makes has its places
  std::error_code error;
  for (const auto& place : places) {
    auto path = (object.parent_path() / place).lexically_normal();
    if (std::filesystem::exists(path, error)) return path;
  }
  return (object.parent_path() / places.front()).lexically_normal();
}

struct Plugin {
  ZoneFindFunction find = nullptr;
  ZoneAtUtcFunction atUtc = nullptr;
  ZoneAtLocalFunction atLocal = nullptr;
  std::string error;
};

Plugin LoadPlugin() {
  Plugin plugin;
  const std::string path = PluginPath();
  // GCOVR_EXCL_START: no place is known only to a module the build did not make (above)
  if (path.empty()) {
    plugin.error = "time zones are not available: no place for the zone plugin is known to " + RunningObject().string();
    return plugin;
  }
  // GCOVR_EXCL_STOP
  SharedLibrary library(path.c_str());
  if (!library.Opened()) {
    plugin.error = "time zones are not available: " + library.Error();
    return plugin;
  }
  ZonesInterfaceFunction version = nullptr;
  const bool complete = library.Find("zerb32_zones_interface", version) &&
                        library.Find("zerb32_zone_find", plugin.find) &&
                        library.Find("zerb32_zone_at_utc", plugin.atUtc) &&
                        library.Find("zerb32_zone_at_local", plugin.atLocal);
  if (!complete || version() != ZERB32_ZONES_INTERFACE) {
    plugin = Plugin{};
    plugin.error = "time zones are not available: " + path + " is of another version";
  }
  return plugin;
}

const Plugin& Loaded() {
  static const Plugin plugin = LoadPlugin();
  return plugin;
}

const void* Handle(const Zone& zone) { return &zone; }

}  // namespace

Lookup Find(const std::string& name) {
  const Plugin& plugin = Loaded();
  if (!plugin.find) return {nullptr, plugin.error};
  const void* zone = plugin.find(name.c_str());
  if (zone == nullptr) return {nullptr, "unknown time zone " + name};
  return {static_cast<const Zone*>(zone), {}};
}

UtcSpan AtUtc(const Zone& zone, int64_t utc) {
  UtcSpan span;
  Loaded().atUtc(Handle(zone), utc, &span.begin, &span.end, &span.offset);
  return span;
}

LocalOffset AtLocal(const Zone& zone, int64_t local) {
  LocalOffset offset;
  const int fall = Loaded().atLocal(Handle(zone), local, &offset.before);
  offset.fall = fall == 1 ? LocalFall::Skipped : fall == 2 ? LocalFall::Repeated : LocalFall::Once;
  return offset;
}

#else

// A build without the zone database knows no zone names; fixed offsets
// need none.
Lookup Find(const std::string& name) { return {nullptr, "unknown time zone " + name}; }
UtcSpan AtUtc(const Zone&, int64_t) { return {}; }
LocalOffset AtLocal(const Zone&, int64_t) { return {}; }

#endif

}  // namespace zerb::zones
