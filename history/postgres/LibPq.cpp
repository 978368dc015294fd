#include "history/postgres/LibPq.h"

#include <dlfcn.h>

#include <mutex>

namespace zerb::pq {

namespace {

Functions functions;
std::string loadError;

void LoadOnce() {
  void* library = dlopen("libpq.so.5", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    loadError = std::string("the PostgreSQL client library libpq.so.5 cannot be loaded: ") + dlerror();
    return;
  }
  Functions loaded;
  bool complete = true;
#define ZERB32_LIBPQ_LOOKUP(name)                                            \
  loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  complete = complete && loaded.name != nullptr;
  ZERB32_LIBPQ_FUNCTIONS(ZERB32_LIBPQ_LOOKUP)
#undef ZERB32_LIBPQ_LOOKUP
  if (!complete) {
    loadError = "the PostgreSQL client library libpq.so.5 lacks a function this program needs";
    return;
  }
  functions = loaded;
}

}  // namespace

bool Load(std::string& error) {
  static std::once_flag once;
  std::call_once(once, LoadOnce);
  error = loadError;
  return loadError.empty();
}

const Functions& Api() { return functions; }

}  // namespace zerb::pq
