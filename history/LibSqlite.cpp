#include "history/LibSqlite.h"

#include "system/SharedLibrary.h"

namespace zerb::sqlite {

namespace {

bool FindAll(SharedLibrary& library, Functions& found) {
  bool complete = true;
#define ZERB32_SQLITE_FIND(name) complete = complete && library.Find(#name, found.name);
  // The short cut after a missing function is taken only by a library of
  // this soname that lacks one of them, as the installed one never does.
  ZERB32_SQLITE_FUNCTIONS(ZERB32_SQLITE_FIND)  // GCOVR_EXCL_BR_LINE
#undef ZERB32_SQLITE_FIND
  return complete;
}

LoadedFunctions<Functions> loaded("libsqlite3.so.0", "the SQLite library", FindAll);

}  // namespace

bool Load(std::string& error) { return loaded.Load(error); }

const Functions& Api() { return loaded.Api(); }

}  // namespace zerb::sqlite
