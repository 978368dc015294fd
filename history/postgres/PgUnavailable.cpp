// The PostgreSQL engine in a build without libpq: every address refused.

#include "history/postgres/PgAddress.h"
#include "history/postgres/PgStoreOpen.h"

namespace zerb {

bool PostgresStoresAvailable() { return false; }

std::unique_ptr<Store> OpenPostgresStore(const std::string& address, StoreAccess) {
  throw StoreError(RedactedAddress(address) + ": " + PostgresUnavailable);
}

}  // namespace zerb
