#include "table/ZoneDatabase.h"

#if ZERB32_TIMEZONES
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ZonesPluginPaths.h"
#include "zones/ZonesPlugin.h"
#endif

namespace zerb::zones {

#if ZERB32_TIMEZONES

namespace {

// The file holding this code: the program, or a library such as the Python
// module.
std::filesystem::path RunningObject() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&RunningObject), &info) != 0 && info.dli_fname != nullptr &&
      info.dli_fname[0] == '/')
    return info.dli_fname;
  return "/proc/self/exe";
}

// The plugin built beside a program run from its build folder; else the
// installed one. An installed program never loads from a build folder.
std::string PluginPath() {
  std::error_code error;
  const auto object = std::filesystem::canonical(RunningObject(), error);
  const auto tree = std::filesystem::canonical(ZERB32_BUILD_TREE, error);
  if (!error && !object.empty()) {
    const auto inTree = std::mismatch(tree.begin(), tree.end(), object.begin(), object.end()).first == tree.end();
    if (inTree) return ZERB32_ZONES_BUILT;
  }
  return ZERB32_ZONES_INSTALLED;
}

struct Plugin {
  ZoneFindFunction find = nullptr;
  ZoneAtUtcFunction atUtc = nullptr;
  ZoneAtLocalFunction atLocal = nullptr;
  std::string error;
};

template <typename Function>
Function Symbol(void* library, const char* name) {
  return reinterpret_cast<Function>(dlsym(library, name));
}

Plugin LoadPlugin() {
  Plugin plugin;
  const std::string path = PluginPath();
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    plugin.error = std::string("time zones are not available: ") + dlerror();
    return plugin;
  }
  const auto version = Symbol<ZonesInterfaceFunction>(library, "zerb32_zones_interface");
  plugin.find = Symbol<ZoneFindFunction>(library, "zerb32_zone_find");
  plugin.atUtc = Symbol<ZoneAtUtcFunction>(library, "zerb32_zone_at_utc");
  plugin.atLocal = Symbol<ZoneAtLocalFunction>(library, "zerb32_zone_at_local");
  if (!version || version() != ZERB32_ZONES_INTERFACE || !plugin.find || !plugin.atUtc || !plugin.atLocal) {
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
