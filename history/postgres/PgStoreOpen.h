#pragma once
// The PostgreSQL engine as the store opener sees it, in every build: a
// build without libpq has it too, to refuse PostgreSQL addresses.

#include <memory>
#include <string>

#include "history/Store.h"

namespace zerb {

// False in a build without libpq (ZERB32_POSTGRES off).
bool PostgresStoresAvailable();

// The store in the PostgreSQL database at `address`. Throws StoreError, in
// a build without libpq always.
std::unique_ptr<Store> OpenPostgresStore(const std::string& address, StoreAccess access);

// What a build without libpq says of a PostgreSQL address.
inline constexpr const char* PostgresUnavailable = "PostgreSQL stores are not available in this build";

}  // namespace zerb
