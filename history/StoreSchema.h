#pragma once
// The SQLite store's schema (its versions in StoreSchema.cpp and the README).

#include <string>

#include "history/Sqlite.h"
#include "history/Store.h"

namespace zerb {

// Makes a new store's schema, or checks that an existing file is a store
// this program can use (bringing an older one to this version for Write).
// Throws StoreError.
void PrepareStore(SqliteDb& db, const std::string& path, StoreAccess access);

}  // namespace zerb
