#include "history/LibSqlite.h"

#include <mutex>

#include "history/SharedLibrary.h"

namespace zerb::sqlite {

namespace {

Functions functions;
std::string loadError;

void LoadOnce() {
  SharedLibrary library("libsqlite3.so.0");
  Functions found;
  bool complete = library.Opened();
#define ZERB32_SQLITE_FIND(name) complete = complete && library.Find(#name, found.name);
  ZERB32_SQLITE_FUNCTIONS(ZERB32_SQLITE_FIND)
#undef ZERB32_SQLITE_FIND
  if (complete) {
    functions = found;
  } else {
    loadError = "the SQLite library libsqlite3.so.0 cannot be loaded: " + library.Error();
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

}  // namespace zerb::sqlite
