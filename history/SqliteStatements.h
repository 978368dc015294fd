#pragma once
// The store's statements, prepared once per connection. Plain SQL that
// other engines read as well (UPSERT with ON CONFLICT, no SQLite-only
// functions), every value a bound parameter.

#include "history/SqliteStore.h"

namespace zerb {

// The channels of a site's stored logs (StoredChannel), by import and position.
inline constexpr const char* SiteChannelRowsSql =
    "SELECT c.import, i.first_time, i.last_time, i.interval_seconds, i.content_hash, i.log_path, c.kind, c.key, "
    "c.name, m.type_name, m.units, m.exponent, m.digital, c.description, c.type_code, c.exp_byte, c.units_byte, "
    "c.meaning FROM import_channels c JOIN imports i ON i.id = c.import "
    "JOIN meanings m ON m.id = c.meaning AND m.site = i.site WHERE i.site = ?1 ORDER BY c.import, c.position";

struct SqliteStore::Statements {
  explicit Statements(const SqliteDb& db, bool write)
      : knownHash(db, "SELECT 1 FROM imports WHERE content_hash = ?1 OR legacy_hash = ?2"),
        siteChannelRows(db, SiteChannelRowsSql),
        sites(db, "SELECT site, name FROM sites WHERE ?1 < 0 OR site = ?1 ORDER BY site"),
        siteSpans(db,
                  "SELECT first_time, last_time, interval_seconds FROM imports "
                  "WHERE site = ?1 AND last_time >= ?2 AND first_time <= ?3"),
        readingCount(db, "SELECT count(*) FROM readings WHERE site = ?1"),
        conflictCount(db, "SELECT count(*) FROM conflicts WHERE site = ?1"),
        importEnds(db, "SELECT id, last_time FROM imports WHERE site = ?1"),
        siteHoldings(db, "SELECT kind, key, first_time, last_time, import FROM holdings WHERE site = ?1") {
    if (write) writes = std::make_unique<Writes>(db);
  }

  // Those only an import runs (a store read as version 1 has not all the
  // tables they name).
  struct Writes {
    explicit Writes(const SqliteDb& db)
        : upsertSite(db,
                     "INSERT INTO sites (site, name, name_end) VALUES (?1, ?2, ?3) "
                     "ON CONFLICT (site) DO UPDATE SET name = excluded.name, name_end = excluded.name_end "
                     "WHERE excluded.name_end >= sites.name_end"),
          insertImport(db,
                       "INSERT INTO imports (site, content_hash, log_path, site_file, time_base, first_time, "
                       "last_time, interval_seconds, readings, conflicts, imported_at, site_description) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, ?10, ?11)"),
          siteTimeBase(db, "SELECT time_base FROM imports WHERE site = ?1 LIMIT 1"),
          setReadings(db, "UPDATE imports SET readings = ?2 WHERE id = ?1"),
          addConflicts(db, "UPDATE imports SET conflicts = conflicts + ?2 WHERE id = ?1"),
          insertImportChannel(db,
                              "INSERT INTO import_channels (import, position, kind, key, name, type_code, exp_byte, "
                              "units_byte, description, meaning) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)"),
          addMeaning(db,
                     "INSERT INTO meanings (site, kind, key, type_name, units, exponent, digital) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7) ON CONFLICT DO NOTHING"),
          meaning(db,
                  "SELECT id FROM meanings WHERE site = ?1 AND kind = ?2 AND key = ?3 AND type_name = ?4 "
                  "AND units = ?5 AND exponent = ?6 AND digital = ?7"),
          upsertChannel(db,
                        "INSERT INTO channels (site, kind, key, name, type_name, units, exponent, digital, "
                        "source_end, source_hash) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10) "
                        "ON CONFLICT (site, kind, key) DO UPDATE SET name = excluded.name, "
                        "type_name = excluded.type_name, units = excluded.units, exponent = excluded.exponent, "
                        "digital = excluded.digital, source_end = excluded.source_end, "
                        "source_hash = excluded.source_hash "
                        "WHERE excluded.source_end > channels.source_end OR "
                        "(excluded.source_end = channels.source_end AND excluded.source_hash > channels.source_hash)"),
          overlapping(db,
                      "SELECT id, first_time, last_time, interval_seconds, content_hash, log_path FROM imports "
                      "WHERE site = ?1 AND id <> ?2 AND last_time >= ?3 AND first_time <= ?4"),
          importChannels(db, "SELECT kind, key FROM import_channels WHERE import = ?1 ORDER BY position"),
          deleteSpan(db,
                     "DELETE FROM readings WHERE site = ?1 AND kind = ?2 AND key = ?3 AND time BETWEEN ?4 AND ?5"),
          existing(db,
                   "SELECT time, raw, import, value, exponent, meaning FROM readings WHERE site = ?1 AND kind = ?2 "
                   "AND key = ?3 AND time BETWEEN ?4 AND ?5 ORDER BY time"),
          holdingsIn(db,
                     "SELECT kind, key, first_time, last_time, import FROM holdings WHERE site = ?1 "
                     "AND last_time >= ?2 AND first_time <= ?3"),
          dropHolding(db, "DELETE FROM holdings WHERE site = ?1 AND kind = ?2 AND key = ?3 AND first_time = ?4"),
          addHolding(db,
                     "INSERT INTO holdings (site, kind, key, first_time, last_time, import) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
          holdingsOf(db,
                     "SELECT first_time, last_time FROM holdings WHERE site = ?1 AND kind = ?2 AND key = ?3 "
                     "AND import = ?4"),
          conflictsIn(db,
                      "SELECT kind, key, time, kept_raw, other_raw, kept_import, other_import FROM conflicts "
                      "WHERE site = ?1 AND time BETWEEN ?2 AND ?3"),
          insertReading(db,
                        "INSERT INTO readings (site, kind, key, time, raw, value, exponent, import, meaning) "
                        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"),
          updateReading(db,
                        "UPDATE readings SET raw = ?5, value = ?6, exponent = ?7, import = ?8, meaning = ?9 "
                        "WHERE site = ?1 AND kind = ?2 AND key = ?3 AND time = ?4"),
          insertConflict(db,
                         "INSERT INTO conflicts (site, kind, key, time, kept_raw, other_raw, kept_import, "
                         "other_import) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"),
          clearConflicts(db, "DELETE FROM conflicts WHERE site = ?1 AND kind = ?2 AND key = ?3 AND time = ?4"),
          rawsOf(db,
                 "SELECT DISTINCT raw FROM readings WHERE site = ?1 AND kind = ?2 AND key = ?3 "
                 "AND time BETWEEN ?4 AND ?5"),
          redecodeReadings(db,
                           "UPDATE readings SET value = ?6, exponent = ?7, meaning = ?8 WHERE site = ?1 AND kind = ?2 "
                           "AND key = ?3 AND time BETWEEN ?4 AND ?9 AND raw = ?5"),
          redecodeChannel(db,
                          "UPDATE import_channels SET name = ?4, type_code = ?5, exp_byte = ?6, units_byte = ?7, "
                          "description = 'stored', meaning = ?8 WHERE import = ?1 AND kind = ?2 AND key = ?3"),
          redecodeImport(db,
                         "UPDATE imports SET site_description = 'stored' WHERE id = ?1 "
                         "AND site_description IN ('none', 'incomplete')") {}

    SqliteStatement upsertSite, insertImport, siteTimeBase, setReadings, addConflicts, insertImportChannel;
    SqliteStatement addMeaning, meaning, upsertChannel, overlapping, importChannels, deleteSpan, existing;
    SqliteStatement holdingsIn, dropHolding, addHolding, holdingsOf;
    SqliteStatement conflictsIn, insertReading, updateReading, insertConflict, clearConflicts, rawsOf;
    SqliteStatement redecodeReadings, redecodeChannel, redecodeImport;
  };

  SqliteStatement knownHash, siteChannelRows, sites, siteSpans, readingCount, conflictCount, importEnds, siteHoldings;
  std::unique_ptr<Writes> writes;
};

}  // namespace zerb
