#include "history/postgres/PgStoreOpen.h"

#include "history/postgres/PgAddress.h"
#if ZERB32_POSTGRES
#include "history/postgres/PgStore.h"
#endif

namespace zerb {

bool PostgresStoresAvailable() { return ZERB32_POSTGRES; }

std::unique_ptr<Store> OpenPostgresStore(const std::string& address, StoreAccess access) {
#if ZERB32_POSTGRES
  return std::make_unique<PgStore>(address, access);
#else
  (void)access;
  throw StoreError(RedactedAddress(address) + ": " + PostgresUnavailable);
#endif
}

}  // namespace zerb
