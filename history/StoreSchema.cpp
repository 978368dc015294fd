// The store's schema. Version 1:
//   sites           one row per site number: its name from the newest log
//                   with a complete site file
//   imports         one row per log taken in: its content hash (a log is
//                   never taken twice), time base, span and interval
//   import_channels each import's channel table, in order, with the names
//                   its site file gave (the store keeps old names)
//   channels        one row per (site, kind, key): the newest log's name,
//                   type, units letter and exponent
//   readings        one row per (site, kind, key, time): raw count, value
//                   (value × 10^exponent; NULL when the device gives none)
//                   and the import it came from
//   conflicts       per reading, each log that held it with a raw count
//                   other than the kept one
// Version 2 adds (an `import` of a version-1 store upgrades it, in one
// transaction; `export` and `history` read it as it is):
//   imports         site_description: what the log was decoded with,
//                   'complete' (its site file), 'incomplete' (a damaged
//                   one), 'none', or 'stored' (complete descriptions of
//                   other logs of the site); content_hash: SHA-256 of the
//                   bytes, 64 hex digits (version-1 imports keep their
//                   FNV-1a identity there and in legacy_hash)
//   meanings        one row per (site, kind, key, type_name, units,
//                   exponent, digital): a column of the series
//   import_channels type_code, exp_byte, units_byte (the site file's bytes
//                   of the device, NULL for version-1 imports), description
//                   ('site', 'stored' or 'default': where they came from)
//                   and meaning
//   readings        meaning: that of the log the reading was kept from
//   channel_descriptions  a view: every description of each channel with
//                   the span of the logs it decoded
// Version 3 adds (upgraded by `import` as above):
//   sites           zone: the logger's zone as import --tz or --utc-offset
//                   gave it (NULL: none known)
//   imports         utc_offset: seconds the log's clock was ahead of UTC
//                   (its newest row placed in the site's zone)
//   unit_texts      the unit text of a units letter on a device type
//   schema_notes    what each table, view and column means
//   reading_values, site_gaps  views for SQL and dashboards
//                   (history/StoreViews.h)
// Version 4 adds (upgraded by `import` as above):
//   meaning_labels  per meaning the kind as a word, the channel's newest
//                   name and the unit as text, which reading_values reads
//                   (kept by every import); reading_values gains day
// Version 5 adds (upgraded by `import` as above):
//   holdings        per channel, ranges of time and the import that holds
//                   the readings within them (history/Holdings.h);
//                   readings.import becomes the import that wrote the
//                   reading, which a later log holding the same reading
//                   leaves as it is
// Version 6 (upgraded by `import` as above) makes reading_values again:
//   reading_values  scales the common exponents by constants, the same
//                   values for less work per reading
// Sites are the whole number of the site file's name (0 to 4294967295).
// Kinds: 0 sensor, 1 output, 2 ASM. Times: seconds since 1970-01-01 in the
// logger's civil time, signed. The file is marked with an application id
// and the schema version (PRAGMA application_id, PRAGMA user_version).

#include <chrono>
#include <thread>

#include "history/StoreSchema.h"

#include "history/HoldingsSchema.h"
#include "history/SchemaNotes.h"
#include "history/StoreViews.h"

namespace zerb {

namespace {

constexpr int64_t ApplicationId = 0x5A455242;  // "ZERB"
constexpr int64_t SchemaVersion = 6;

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

// From version 1 to 2: new columns filled for the logs stored so far (no
// site file: default descriptions; else complete ones whose device bytes
// were not kept), one meaning per channel as version 1 had it.
constexpr const char* UpgradeTo2 = R"sql(
ALTER TABLE imports ADD COLUMN site_description TEXT NOT NULL DEFAULT 'none';
ALTER TABLE imports ADD COLUMN legacy_hash TEXT;
UPDATE imports SET site_description = CASE WHEN site_file IS NULL THEN 'none' ELSE 'complete' END,
  legacy_hash = content_hash;
CREATE INDEX imports_by_legacy_hash ON imports(legacy_hash) WHERE legacy_hash IS NOT NULL;
CREATE TABLE meanings (
  id INTEGER PRIMARY KEY,
  site INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  key INTEGER NOT NULL,
  type_name TEXT NOT NULL,
  units TEXT NOT NULL,
  exponent INTEGER NOT NULL,
  digital INTEGER NOT NULL,
  UNIQUE (site, kind, key, type_name, units, exponent, digital)
);
INSERT INTO meanings (site, kind, key, type_name, units, exponent, digital)
  SELECT site, kind, key, type_name, units, exponent, digital FROM channels;
ALTER TABLE import_channels ADD COLUMN type_code INTEGER;
ALTER TABLE import_channels ADD COLUMN exp_byte INTEGER;
ALTER TABLE import_channels ADD COLUMN units_byte INTEGER;
ALTER TABLE import_channels ADD COLUMN description TEXT NOT NULL DEFAULT 'default';
ALTER TABLE import_channels ADD COLUMN meaning INTEGER NOT NULL DEFAULT 0;
UPDATE import_channels SET
  description = CASE WHEN (SELECT site_file FROM imports i WHERE i.id = import) IS NULL THEN 'default' ELSE 'site' END,
  meaning = coalesce((SELECT m.id FROM meanings m JOIN imports i ON i.site = m.site
                      WHERE i.id = import_channels.import AND m.kind = import_channels.kind
                      AND m.key = import_channels.key), 0);
ALTER TABLE readings ADD COLUMN meaning INTEGER NOT NULL DEFAULT 0;
UPDATE readings SET meaning = coalesce((SELECT m.id FROM meanings m WHERE m.site = readings.site
                                        AND m.kind = readings.kind AND m.key = readings.key), 0);
CREATE INDEX conflicts_at ON conflicts(site, time);
CREATE VIEW channel_descriptions AS
  SELECT i.site, c.kind, c.key, c.name, m.type_name, m.units, m.exponent, m.digital, c.description,
         MIN(i.first_time) AS first_time, MAX(i.last_time) AS last_time
  FROM import_channels c JOIN imports i ON i.id = c.import JOIN meanings m ON m.id = c.meaning
  GROUP BY i.site, c.kind, c.key, c.name, m.type_name, m.units, m.exponent, m.digital, c.description;
)sql";

// From version 2 to 3: the zone per site and offset per log (unknown for
// the logs stored so far), the unit texts and the notes' table.
void UpgradeTo3(SqliteDb& db) {
  db.Execute("ALTER TABLE sites ADD COLUMN zone TEXT; ALTER TABLE imports ADD COLUMN utc_offset INTEGER;");
  db.Execute((std::string(UnitTextsTable) + " WITHOUT ROWID").c_str());
  SqliteStatement unit(db, "INSERT INTO unit_texts (units, type_name, unit) VALUES (?1, ?2, ?3)");
  for (const UnitTextRow& row : UnitTextRows()) unit.Bind(1, row.units).Bind(2, row.typeName).Bind(3, row.unit).Run();
  db.Execute(
      "CREATE TABLE schema_notes (object_name TEXT NOT NULL, column_name TEXT NOT NULL, note TEXT NOT NULL, "
      "PRIMARY KEY (object_name, column_name)) WITHOUT ROWID");
}

// From version 3 to 4: the labels of the meanings stored so far.
void UpgradeTo4(SqliteDb& db) {
  db.Execute(MeaningLabelsTable(Engine::Sqlite).c_str());
  db.Execute(MeaningLabelsFill(Engine::Sqlite, true).c_str());
}

// From version 4 to 5: the holdings of the readings stored so far, each
// run of neighbouring readings of one import a range.
void UpgradeTo5(SqliteDb& db) {
  db.Execute(HoldingsTable(Engine::Sqlite).c_str());
  db.Execute(HoldingsFill());
}

// After any upgrade: the views and the notes of this version.
void DescribeAndView(SqliteDb& db) {
  db.Execute("DROP VIEW IF EXISTS reading_values; DROP VIEW IF EXISTS site_gaps; DELETE FROM schema_notes;");
  SqliteStatement note(db, "INSERT INTO schema_notes (object_name, column_name, note) VALUES (?1, ?2, ?3)");
  for (const SchemaNote& n : SchemaNotes())
    if (n.engine != Engine::Postgres) note.Bind(1, n.object).Bind(2, n.column).Bind(3, n.note).Run();
  db.Execute(ReadingValuesView(Engine::Sqlite).c_str());
  db.Execute(SiteGapsView(Engine::Sqlite).c_str());
}

// A version-1 store read as it is: temporary views of this connection with
// the tables' names (they come first in name lookup) give its tables the
// columns of version 2, as the upgrade would fill them.
constexpr const char* ReadVersion1 = R"sql(
CREATE TEMP VIEW imports AS
  SELECT *, CASE WHEN site_file IS NULL THEN 'none' ELSE 'complete' END AS site_description,
         content_hash AS legacy_hash FROM main.imports;
CREATE TEMP VIEW meanings AS
  SELECT kind * 65536 + key AS id, site, kind, key, type_name, units, exponent, digital FROM main.channels;
CREATE TEMP VIEW import_channels AS
  SELECT c.*, NULL AS type_code, NULL AS exp_byte, NULL AS units_byte,
         CASE WHEN i.site_file IS NULL THEN 'default' ELSE 'site' END AS description,
         c.kind * 65536 + c.key AS meaning
  FROM main.import_channels c JOIN main.imports i ON i.id = c.import;
CREATE TEMP VIEW readings AS SELECT *, kind * 65536 + key AS meaning FROM main.readings;
)sql";

// A store before version 5 read as it is: each reading is held by the
// import it names.
constexpr const char* ReadBefore5 =
    "CREATE TEMP VIEW holdings AS SELECT site, kind, key, time AS first_time, time AS last_time, import "
    "FROM readings";

// The schema version of the file: 0 empty (a new store); throws when it is
// not a store of ours or is of a newer version.
int64_t StoredVersion(SqliteDb& db, const std::string& path) {
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
    return version;
  }
  if (id == 0 && version == 0 && objects == 0) return 0;
  throw StoreError(path + " is not a ZERB32 store");
}

// Makes a new store, or brings an older one to this version, in one
// transaction; another importer may have done either meanwhile.
void MakeOrUpgrade(SqliteDb& db, const std::string& path) {
  SqliteTransaction transaction(db);  // one at a time
  const int64_t version = StoredVersion(db, path);
  if (version == SchemaVersion) return;
  if (version == 0) {
    db.Execute(Schema);
    // Our own constant, not a value from outside.
    db.Execute(("PRAGMA application_id = " + std::to_string(ApplicationId)).c_str());
  }
  if (version < 2) db.Execute(UpgradeTo2);
  if (version < 3) UpgradeTo3(db);
  if (version < 4) UpgradeTo4(db);
  if (version < 5) UpgradeTo5(db);
  DescribeAndView(db);
  db.Execute(("PRAGMA user_version = " + std::to_string(SchemaVersion)).c_str());
  transaction.Commit();
}

}  // namespace

void PrepareStore(SqliteDb& db, const std::string& path, StoreAccess access) {
  sqlite::Api().sqlite3_busy_timeout(db.Handle(), 60000);
  const int64_t version = StoredVersion(db, path);
  if (version == SchemaVersion) return;
  if (access == StoreAccess::ReadOnly) {
    if (version == 0) throw StoreError(path + " is not a ZERB32 store (it is empty)");
    // Version 2 has every table and column the commands read; holdings
    // come from the readings before version 5. The views of an older
    // version give the same rows.
    if (version == 1) db.Execute(ReadVersion1);
    if (version < 5) db.Execute(ReadBefore5);
    return;
  }
  MakeOrUpgrade(db, path);
  if (version != 0) return;
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

}  // namespace zerb
