#include "history/postgres/LibPq.h"

#include <mutex>

#include "history/SharedLibrary.h"

namespace zerb::pq {

namespace {

Functions functions;
std::string loadError;

void LoadOnce() {
  SharedLibrary library("libpq.so.5");
  Functions found;
  bool complete = library.Opened();
#define ZERB32_LIBPQ_FIND(name) complete = complete && library.Find(#name, found.name);
  ZERB32_LIBPQ_FUNCTIONS(ZERB32_LIBPQ_FIND)
#undef ZERB32_LIBPQ_FIND
  if (complete) {
    functions = found;
  } else {
    loadError = "the PostgreSQL client library libpq.so.5 cannot be loaded: " + library.Error();
  }
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
