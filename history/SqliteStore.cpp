#include "history/SqliteStore.h"

#include <filesystem>
#include <system_error>

#include "history/SqliteReading.h"
#include "history/SqliteStatements.h"
#include "history/StoreSchema.h"

namespace zerb {

SqliteStore::SqliteStore(const std::string& path, StoreAccess access) : path_(path) {
  const bool readOnly = access == StoreAccess::ReadOnly;
  std::error_code ec;
  if (readOnly && !std::filesystem::is_regular_file(path, ec)) throw StoreError("no store at " + path);
  try {
    if (readOnly) {
      db_ = OpenForReading(path);
    } else {
      db_ = std::make_unique<SqliteDb>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
      PrepareStore(*db_, path, access);
      db_->Execute("PRAGMA synchronous = NORMAL");
    }
    sql_ = std::make_unique<Statements>(*db_, !readOnly);
  } catch (const SqliteError& e) {
    throw StoreError(path + ": " + e.what());
  }
}

SqliteStore::~SqliteStore() = default;

}  // namespace zerb
