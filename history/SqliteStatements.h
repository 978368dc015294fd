#pragma once
// The store's statements, prepared once per connection. Plain SQL that
// other engines read as well (UPSERT with ON CONFLICT, no SQLite-only
// functions), every value a bound parameter.

#include "history/SqliteStore.h"

namespace zerb {

struct SqliteStore::Statements {
  explicit Statements(const SqliteDb& db)
      : knownHash(db, "SELECT 1 FROM imports WHERE content_hash = ?1"),
        upsertSite(db,
                   "INSERT INTO sites (site, name, name_end) VALUES (?1, ?2, ?3) "
                   "ON CONFLICT (site) DO UPDATE SET name = excluded.name, name_end = excluded.name_end "
                   "WHERE excluded.name_end >= sites.name_end"),
        insertImport(db,
                     "INSERT INTO imports (site, content_hash, log_path, site_file, time_base, first_time, "
                     "last_time, interval_seconds, readings, conflicts, imported_at) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, ?10)"),
        siteTimeBase(db, "SELECT time_base FROM imports WHERE site = ?1 LIMIT 1"),
        setCounts(db, "UPDATE imports SET conflicts = ?2, readings = ?3 WHERE id = ?1"),
        insertImportChannel(db,
                            "INSERT INTO import_channels (import, position, kind, key, name) "
                            "VALUES (?1, ?2, ?3, ?4, ?5)"),
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
                   "DELETE FROM readings WHERE site = ?1 AND kind = ?2 AND key = ?3 AND time BETWEEN ?4 AND ?5 "
                   "AND import = ?6"),
        existing(db,
                 "SELECT time, raw, import FROM readings WHERE site = ?1 AND kind = ?2 AND key = ?3 "
                 "AND time BETWEEN ?4 AND ?5 ORDER BY time"),
        insertReading(db,
                      "INSERT INTO readings (site, kind, key, time, raw, value, exponent, import) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"),
        updateReading(db,
                      "UPDATE readings SET raw = ?5, value = ?6, exponent = ?7, import = ?8 "
                      "WHERE site = ?1 AND kind = ?2 AND key = ?3 AND time = ?4"),
        insertConflict(db,
                       "INSERT INTO conflicts (site, kind, key, time, kept_raw, other_raw, kept_import, "
                       "other_import) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"),
        sites(db, "SELECT site, name FROM sites WHERE ?1 < 0 OR site = ?1 ORDER BY site"),
        newestImport(db,
                     "SELECT id FROM imports WHERE site = ?1 ORDER BY last_time DESC, content_hash DESC LIMIT 1"),
        siteChannels(db,
                     "SELECT kind, key, name, type_name, units, exponent, digital FROM channels WHERE site = ?1 "
                     "ORDER BY kind, key"),
        siteSpans(db,
                  "SELECT first_time, last_time, interval_seconds FROM imports "
                  "WHERE site = ?1 AND last_time >= ?2 AND first_time <= ?3"),
        readingCount(db, "SELECT count(*) FROM readings WHERE site = ?1"),
        conflictCount(db, "SELECT count(*) FROM conflicts WHERE site = ?1") {}

  SqliteStatement knownHash, upsertSite, insertImport, siteTimeBase, setCounts, insertImportChannel, upsertChannel;
  SqliteStatement overlapping, importChannels, deleteSpan, existing, insertReading, updateReading, insertConflict;
  SqliteStatement sites, newestImport, siteChannels, siteSpans, readingCount, conflictCount;
};

}  // namespace zerb
