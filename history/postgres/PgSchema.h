#pragma once
// The PostgreSQL store's schema (its versions in PgSchema.cpp and the README).

#include "history/Store.h"
#include "history/postgres/PgConnection.h"

namespace zerb {

// The schema version this program writes and reads up to.
inline constexpr int PgSchemaVersion = 6;

// Checks that the database holds a store this program can use, or makes
// one (Write only, when the database holds none of its tables); Write
// brings an older store to this version, ReadOnly reads it as it is.
// Throws StoreError.
void PreparePgStore(PgConnection& connection, StoreAccess access);

// The advisory-lock key pair of the store: (PgLockSpace, site) for a site's
// imports (the site as a signed 32-bit number: 4294967295 is -1),
// (PgLockSpace, -1) for making or upgrading the schema.
inline constexpr int PgLockSpace = 0x5A455242;  // "ZERB"

}  // namespace zerb
