// The store's schema. Version 1:
//   sites           one row per site number: its name from the newest log
//   imports         one row per log taken in: its content hash (a log is
//                   never taken twice), time base, span and interval
//   import_channels each import's channel table, in order, with the names
//                   its site file gave (the store keeps old names)
//   channels        one row per (site, kind, key): the newest log's name,
//                   type, units letter and exponent
//   readings        one row per (site, kind, key, time): raw count, value
//                   (value × 10^exponent; NULL when the device gives none)
//                   and the import it came from
//   conflicts       readings two logs held with different raw counts
// Kinds: 0 sensor, 1 output, 2 ASM. Times: seconds since 1970-01-01 in the
// logger's civil time. The file is marked with an application id and the
// schema version (PRAGMA application_id, PRAGMA user_version).

#include <chrono>
#include <filesystem>
#include <thread>

#include "history/SqliteStore.h"
#include "history/postgres/PgAddress.h"
#include "history/postgres/PgStoreOpen.h"
#include "history/SqliteStatements.h"

namespace zerb {

namespace {

constexpr int64_t ApplicationId = 0x5A455242;  // "ZERB"
constexpr int64_t SchemaVersion = 1;

constexpr const char* Schema = R"sql(
CREATE TABLE sites (
  site INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  name_end INTEGER NOT NULL
);
CREATE TABLE imports (
  id INTEGER PRIMARY KEY,
  site INTEGER NOT NULL REFERENCES sites(site),
  content_hash TEXT NOT NULL UNIQUE,
  log_path TEXT NOT NULL,
  site_file TEXT,
  time_base TEXT NOT NULL CHECK (time_base IN ('PC', 'LAN')),
  first_time INTEGER NOT NULL,
  last_time INTEGER NOT NULL,
  interval_seconds INTEGER NOT NULL,
  readings INTEGER NOT NULL,
  conflicts INTEGER NOT NULL,
  imported_at TEXT NOT NULL
);
CREATE INDEX imports_by_site ON imports(site, last_time);
CREATE TABLE import_channels (
  import INTEGER NOT NULL REFERENCES imports(id),
  position INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  key INTEGER NOT NULL,
  name TEXT NOT NULL,
  PRIMARY KEY (import, position)
) WITHOUT ROWID;
CREATE TABLE channels (
  site INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  key INTEGER NOT NULL,
  name TEXT NOT NULL,
  type_name TEXT NOT NULL,
  units TEXT NOT NULL,
  exponent INTEGER NOT NULL,
  digital INTEGER NOT NULL,
  source_end INTEGER NOT NULL,
  source_hash TEXT NOT NULL,
  PRIMARY KEY (site, kind, key)
) WITHOUT ROWID;
CREATE TABLE readings (
  site INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  key INTEGER NOT NULL,
  time INTEGER NOT NULL,
  raw INTEGER NOT NULL,
  value INTEGER,
  exponent INTEGER NOT NULL,
  import INTEGER NOT NULL,
  PRIMARY KEY (site, kind, key, time)
) WITHOUT ROWID;
CREATE TABLE conflicts (
  site INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  key INTEGER NOT NULL,
  time INTEGER NOT NULL,
  kept_raw INTEGER NOT NULL,
  other_raw INTEGER NOT NULL,
  kept_import INTEGER NOT NULL,
  other_import INTEGER NOT NULL
);
CREATE INDEX conflicts_by_site ON conflicts(site);
CREATE VIEW channel_names AS
  SELECT i.site, c.kind, c.key, c.name, MIN(i.first_time) AS first_time, MAX(i.last_time) AS last_time
  FROM import_channels c JOIN imports i ON i.id = c.import
  GROUP BY i.site, c.kind, c.key, c.name;
)sql";

// What the file is: 0 empty (a new store), 1 ours; throws otherwise.
bool IsEmpty(SqliteDb& db, const std::string& path) {
  int64_t id = 0, version = 0, objects = 0;
  try {
    // One statement, so one snapshot: another import may be making the
    // store at this very moment, and three reads could see half of it.
    SqliteStatement state(db,
                          "SELECT (SELECT application_id FROM pragma_application_id),"
                          " (SELECT user_version FROM pragma_user_version),"
                          " (SELECT count(*) FROM sqlite_schema)");
    if (state.Step()) id = state.Int(0), version = state.Int(1), objects = state.Int(2);
  } catch (const SqliteError& e) {
    // Only a file that is no database is foreign; a store the user may not
    // write (no -shm file can be made beside it) is reported as it is.
    if ((e.Code() & 0xff) != SQLITE_NOTADB) throw;
    throw StoreError(path + " is not a ZERB32 store (" + e.what() + ")");
  }
  if (id == ApplicationId) {
    if (version > SchemaVersion)
      throw StoreError(path + " was made by a newer ZERB32 (schema version " + std::to_string(version) +
                       "; this one reads up to " + std::to_string(SchemaVersion) + ")");
    return false;
  }
  if (id == 0 && version == 0 && objects == 0) return true;
  throw StoreError(path + " is not a ZERB32 store");
}

}  // namespace

ChannelKind KindFromCode(int64_t code) {
  return code == 1 ? ChannelKind::Output : code == 2 ? ChannelKind::Asm : ChannelKind::Sensor;
}

void PrepareStore(SqliteDb& db, const std::string& path, StoreAccess access) {
  sqlite::Api().sqlite3_busy_timeout(db.Handle(), 60000);
  if (!IsEmpty(db, path)) return;
  if (access == StoreAccess::ReadOnly) throw StoreError(path + " is not a ZERB32 store (it is empty)");
  {
    SqliteTransaction transaction(db);  // one creator at a time
    if (!IsEmpty(db, path)) return;     // another import made it meanwhile
    db.Execute(Schema);
    // Our own constants, not values from outside.
    db.Execute(("PRAGMA application_id = " + std::to_string(ApplicationId)).c_str());
    db.Execute(("PRAGMA user_version = " + std::to_string(SchemaVersion)).c_str());
    transaction.Commit();
  }
  // WAL lets readers go on while a log is imported. It is kept in the file,
  // so the creator sets it once, outside a transaction; another import
  // already at work may hold the lock it needs for a moment.
  for (int attempt = 0;; ++attempt) {
    try {
      db.Execute("PRAGMA journal_mode = WAL");
      return;
    } catch (const SqliteError&) {
      if (attempt == 500) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
}

SqliteStore::SqliteStore(const std::string& path, StoreAccess access) : path_(path) {
  const bool readOnly = access == StoreAccess::ReadOnly;
  std::error_code ec;
  if (readOnly && !std::filesystem::is_regular_file(path, ec)) throw StoreError("no store at " + path);
  try {
    db_ = std::make_unique<SqliteDb>(path, readOnly ? SQLITE_OPEN_READONLY
                                                    : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    PrepareStore(*db_, path, access);
    if (!readOnly) db_->Execute("PRAGMA synchronous = NORMAL");
    sql_ = std::make_unique<Statements>(*db_);
  } catch (const SqliteError& e) {
    throw StoreError(path + ": " + e.what());
  }
}

SqliteStore::~SqliteStore() = default;

std::unique_ptr<Store> OpenStore(const std::string& location, StoreAccess access) {
  const StoreLocation at = LocateStore(location);
  if (at.text.empty()) throw StoreError("no store named: give an SQLite file or a PostgreSQL address");
  if (at.postgres) return OpenPostgresStore(at.text, access);
  return std::make_unique<SqliteStore>(at.text, access);
}

}  // namespace zerb
