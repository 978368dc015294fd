#pragma once
// The store's statements on PostgreSQL. Every value is a $n parameter; the
// texts hold no value of their own.

namespace zerb::pg {

// Per connection: the log being imported, before it is merged. Emptied at
// every commit and rollback.
inline constexpr const char* kCreateStaging =
    "CREATE TEMPORARY TABLE IF NOT EXISTS zerb32_staging (position integer, kind smallint, key integer, "
    "time bigint, raw smallint, value integer, exponent smallint) ON COMMIT DELETE ROWS";
inline constexpr const char* kCopyStaging =
    "COPY zerb32_staging (position, kind, key, time, raw, value, exponent) FROM STDIN";

inline constexpr const char* kKnownHash = "SELECT 1 FROM imports WHERE content_hash = $1";

inline constexpr const char* kInsertSite =
    "INSERT INTO sites (site, name, name_end) VALUES ($1, $2, $3) ON CONFLICT (site) DO NOTHING";
inline constexpr const char* kUpdateSiteName =
    "INSERT INTO sites (site, name, name_end) VALUES ($1, $2, $3) "
    "ON CONFLICT (site) DO UPDATE SET name = excluded.name, name_end = excluded.name_end "
    "WHERE excluded.name_end >= sites.name_end";

inline constexpr const char* kInsertImport =
    "INSERT INTO imports (site, content_hash, log_path, site_file, time_base, first_time, last_time, "
    "interval_seconds, readings, conflicts) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, 0, 0) RETURNING id";
inline constexpr const char* kSiteTimeBase = "SELECT time_base FROM imports WHERE site = $1 LIMIT 1";
inline constexpr const char* kSetCounts = "UPDATE imports SET conflicts = $2, readings = $3 WHERE id = $1";

// $1 the import; $2..$8 arrays of kinds, keys, names (types, units,
// exponents and digital flags are for kUpsertChannels).
inline constexpr const char* kInsertImportChannels =
    "INSERT INTO import_channels (import, position, kind, key, name) "
    "SELECT $1, u.n - 1, u.kind, u.key, u.name "
    "FROM unnest($2::smallint[], $3::integer[], $4::text[], $5::text[], $6::text[], $7::smallint[], $8::boolean[]) "
    "WITH ORDINALITY AS u(kind, key, name, type_name, units, exponent, digital, n)";
// $1 the site; $2..$8 the channel arrays; $9, $10 the log's end and hash.
// A channel listed twice counts once, its first entry.
inline constexpr const char* kUpsertChannels =
    "INSERT INTO channels (site, kind, key, name, type_name, units, exponent, digital, source_end, source_hash) "
    "SELECT DISTINCT ON (u.kind, u.key) $1, u.kind, u.key, u.name, u.type_name, u.units, u.exponent, u.digital, "
    "$9, $10 "
    "FROM unnest($2::smallint[], $3::integer[], $4::text[], $5::text[], $6::text[], $7::smallint[], $8::boolean[]) "
    "WITH ORDINALITY AS u(kind, key, name, type_name, units, exponent, digital, n) "
    "ORDER BY u.kind, u.key, u.n "
    "ON CONFLICT (site, kind, key) DO UPDATE SET name = excluded.name, type_name = excluded.type_name, "
    "units = excluded.units, exponent = excluded.exponent, digital = excluded.digital, "
    "source_end = excluded.source_end, source_hash = excluded.source_hash "
    "WHERE (excluded.source_end, excluded.source_hash) > (channels.source_end, channels.source_hash)";

inline constexpr const char* kOverlapping =
    "SELECT id, first_time, last_time, interval_seconds, content_hash, log_path FROM imports "
    "WHERE site = $1 AND id <> $2 AND last_time >= $3 AND first_time <= $4";
// The readings of an older import off the new log's grid, within its span.
inline constexpr const char* kDeleteSpan =
    "DELETE FROM readings WHERE site = $1 AND import = $2 AND time BETWEEN $3 AND $4";

// Staged readings the store holds with another raw count: each is recorded
// in conflicts, kept and other decided by rank ($2 end, $3 hash of the new
// log, $4 its import). Returns the first $5 in row order, each with the
// total count. Each staged reading looks its stored one up by the key
// (OFFSET 0 keeps the lookup per row: a join could read all of the site's
// readings).
inline constexpr const char* kRecordConflicts =
    "WITH found AS MATERIALIZED ("
    "  SELECT s.position, s.kind, s.key, s.time, s.raw AS new_raw, r.raw AS old_raw, r.import AS old_import,"
    "         ($2::bigint, $3::text COLLATE \"C\") > (i.last_time, i.content_hash) AS wins"
    "  FROM zerb32_staging s"
    "  CROSS JOIN LATERAL (SELECT raw, import FROM readings"
    "    WHERE site = $1 AND kind = s.kind AND key = s.key AND time = s.time OFFSET 0) r"
    "  JOIN imports i ON i.id = r.import"
    "  WHERE r.raw <> s.raw),"
    " saved AS ("
    "  INSERT INTO conflicts (site, kind, key, time, kept_raw, other_raw, kept_import, other_import)"
    "  SELECT $1, kind, key, time, CASE WHEN wins THEN new_raw ELSE old_raw END,"
    "         CASE WHEN wins THEN old_raw ELSE new_raw END, CASE WHEN wins THEN $4::bigint ELSE old_import END,"
    "         CASE WHEN wins THEN old_import ELSE $4::bigint END"
    "  FROM found)"
    " SELECT kind, key, time, CASE WHEN wins THEN new_raw ELSE old_raw END,"
    "        CASE WHEN wins THEN old_raw ELSE new_raw END, wins, old_import, count(*) OVER ()"
    " FROM found ORDER BY time, position LIMIT $5";

// The merge: staged readings go in where the store has none; where it has,
// they replace it when the new log ($3 end, $4 hash) outranks the stored
// reading's log.
inline constexpr const char* kMergeReadings =
    "INSERT INTO readings (site, kind, key, time, raw, value, exponent, import) "
    "SELECT $1, kind, key, time, raw, value, exponent, $2 FROM zerb32_staging "
    "ON CONFLICT (site, kind, key, time) DO UPDATE SET raw = excluded.raw, value = excluded.value, "
    "exponent = excluded.exponent, import = excluded.import "
    "WHERE NOT EXISTS (SELECT 1 FROM imports i WHERE i.id = readings.import "
    "AND (i.last_time, i.content_hash) >= ($3::bigint, $4::text COLLATE \"C\"))";

// The merge when no stored log overlaps the new one: the store holds no
// reading in its span, so every staged reading goes in (a reading the log
// held twice fails the import, as a conflict with itself would).
inline constexpr const char* kInsertReadings =
    "INSERT INTO readings (site, kind, key, time, raw, value, exponent, import) "
    "SELECT $1, kind, key, time, raw, value, exponent, $2 FROM zerb32_staging";

inline constexpr const char* kSites = "SELECT site, name FROM sites WHERE $1::integer < 0 OR site = $1 ORDER BY site";
inline constexpr const char* kSiteKnown = "SELECT 1 FROM sites WHERE site = $1";
inline constexpr const char* kNewestImport =
    "SELECT id FROM imports WHERE site = $1 ORDER BY last_time DESC, content_hash DESC LIMIT 1";
inline constexpr const char* kImportChannels =
    "SELECT kind, key FROM import_channels WHERE import = $1 ORDER BY position";
inline constexpr const char* kSiteChannels =
    "SELECT kind, key, name, type_name, units, exponent, digital FROM channels WHERE site = $1 ORDER BY kind, key";
inline constexpr const char* kSiteSpans =
    "SELECT first_time, last_time, interval_seconds FROM imports "
    "WHERE site = $1 AND last_time >= $2 AND first_time <= $3";
inline constexpr const char* kSiteCounts =
    "SELECT (SELECT count(*) FROM readings WHERE site = $1), (SELECT count(*) FROM conflicts WHERE site = $1)";
// The stored series, row by row, through a cursor of a read-only
// transaction (one snapshot, bounded memory).
inline constexpr const char* kDeclareRows =
    "DECLARE zerb32_rows NO SCROLL CURSOR FOR SELECT time, kind, key, raw, value, exponent FROM readings "
    "WHERE site = $1 AND time BETWEEN $2 AND $3 ORDER BY time";
inline constexpr const char* kFetchRows = "FETCH 10000 FROM zerb32_rows";

}  // namespace zerb::pg
