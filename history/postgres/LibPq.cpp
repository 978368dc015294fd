#include "history/postgres/LibPq.h"

#include "system/SharedLibrary.h"

namespace zerb::pq {

namespace {

bool FindAll(SharedLibrary& library, Functions& found) {
  bool complete = true;
#define ZERB32_LIBPQ_FIND(name) complete = complete && library.Find(#name, found.name);
  // The short cut after a missing function is taken only by a library of
  // this soname that lacks one of them, as the installed one never does.
  ZERB32_LIBPQ_FUNCTIONS(ZERB32_LIBPQ_FIND)  // GCOVR_EXCL_BR_LINE
#undef ZERB32_LIBPQ_FIND
  return complete;
}

LoadedFunctions<Functions> loaded("libpq.so.5", "the PostgreSQL client library", FindAll);

}  // namespace

bool Load(std::string& error) { return loaded.Load(error); }

const Functions& Api() { return loaded.Api(); }

}  // namespace zerb::pq
