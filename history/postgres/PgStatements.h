#pragma once
// The store's statements on PostgreSQL. Every value is a $n parameter; the
// texts hold no value of their own.

namespace zerb::pg {

// Per connection: the readings of the log being imported that replace
// stored ones, as ReadingJudge decided, before they are merged. Emptied at
// every commit and rollback.
inline constexpr const char* kCreateStaging =
    "CREATE TEMPORARY TABLE IF NOT EXISTS zerb32_staging (kind smallint, key integer, time bigint, raw smallint, "
    "value integer, exponent smallint, meaning bigint) ON COMMIT DELETE ROWS";
inline constexpr const char* kCopyStaging =
    "COPY zerb32_staging (kind, key, time, raw, value, exponent, meaning) FROM STDIN";
// The readings new to the store go straight in: the judge has seen every
// stored reading of the site in the log's span under the site's lock, so
// none meets a stored one (if one did, the COPY fails on the key and the
// log is rolled back).
inline constexpr const char* kCopyFreshReadings =
    "COPY readings (site, kind, key, time, raw, value, exponent, import, meaning) FROM STDIN";

inline constexpr const char* kKnownHash = "SELECT 1 FROM imports WHERE content_hash = $1 OR legacy_hash = $2";

// A site's imports take turns under the lock (PgLockSpace, the site as a
// signed 32-bit number).
inline constexpr const char* kLockSite = "SELECT pg_advisory_xact_lock($1::integer, $2::integer)";

inline constexpr const char* kInsertSite =
    "INSERT INTO sites (site, name, name_end) VALUES ($1, $2, $3) ON CONFLICT (site) DO NOTHING";
inline constexpr const char* kUpdateSiteName =
    "INSERT INTO sites (site, name, name_end) VALUES ($1, $2, $3) "
    "ON CONFLICT (site) DO UPDATE SET name = excluded.name, name_end = excluded.name_end "
    "WHERE excluded.name_end >= sites.name_end";

inline constexpr const char* kInsertImport =
    "INSERT INTO imports (site, content_hash, log_path, site_file, time_base, first_time, last_time, "
    "interval_seconds, readings, conflicts, site_description) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, 0, 0, $9) "
    "RETURNING id";
inline constexpr const char* kSiteTimeBase = "SELECT time_base FROM imports WHERE site = $1 LIMIT 1";
inline constexpr const char* kSetReadings = "UPDATE imports SET readings = $2 WHERE id = $1";
// $1 import ids, $2 the changes of their conflict counts.
inline constexpr const char* kAddConflictCounts =
    "UPDATE imports SET conflicts = conflicts + d.delta FROM unnest($1::bigint[], $2::bigint[]) AS d(id, delta) "
    "WHERE imports.id = d.id";

// $1 the site; $2..$7 arrays of kinds, keys, type names, units, exponents
// and digital flags, one entry a channel. Each entry takes a number of the
// id's sequence in its turn, stored or not, as one INSERT a channel would.
inline constexpr const char* kAddMeanings =
    "INSERT INTO meanings (site, kind, key, type_name, units, exponent, digital) "
    "SELECT $1, u.kind, u.key, u.type_name, u.units, u.exponent, u.digital "
    "FROM unnest($2::smallint[], $3::integer[], $4::text[], $5::text[], $6::smallint[], $7::boolean[]) "
    "WITH ORDINALITY AS u(kind, key, type_name, units, exponent, digital, n) ORDER BY u.n ON CONFLICT DO NOTHING";
// The same parameters: the id of each entry's meaning, in the entries' order.
inline constexpr const char* kMeanings =
    "SELECT m.id FROM unnest($2::smallint[], $3::integer[], $4::text[], $5::text[], $6::smallint[], $7::boolean[]) "
    "WITH ORDINALITY AS u(kind, key, type_name, units, exponent, digital, n) JOIN meanings m ON m.site = $1 "
    "AND m.kind = u.kind AND m.key = u.key AND m.type_name = u.type_name AND m.units = u.units "
    "AND m.exponent = u.exponent AND m.digital = u.digital ORDER BY u.n";

// $1 the import; $2.. arrays of kinds, keys, names, type codes, exponent
// bytes, units bytes, descriptions, meanings.
inline constexpr const char* kInsertImportChannels =
    "INSERT INTO import_channels (import, position, kind, key, name, type_code, exp_byte, units_byte, description, "
    "meaning) SELECT $1, u.n - 1, u.kind, u.key, u.name, u.type_code, u.exp_byte, u.units_byte, u.description, "
    "u.meaning FROM unnest($2::smallint[], $3::integer[], $4::text[], $5::smallint[], $6::smallint[], "
    "$7::smallint[], $8::text[], $9::bigint[]) "
    "WITH ORDINALITY AS u(kind, key, name, type_code, exp_byte, units_byte, description, meaning, n)";
// $1 the site; $2..$8 arrays of kinds, keys, names, types, units,
// exponents, digital flags; $9 the ends each description ranks by, $10 the
// log's hash. A channel listed twice counts once, its first entry.
inline constexpr const char* kUpsertChannels =
    "INSERT INTO channels (site, kind, key, name, type_name, units, exponent, digital, source_end, source_hash) "
    "SELECT DISTINCT ON (u.kind, u.key) $1, u.kind, u.key, u.name, u.type_name, u.units, u.exponent, u.digital, "
    "u.source_end, $10 "
    "FROM unnest($2::smallint[], $3::integer[], $4::text[], $5::text[], $6::text[], $7::smallint[], $8::boolean[], "
    "$9::bigint[]) WITH ORDINALITY AS u(kind, key, name, type_name, units, exponent, digital, source_end, n) "
    "ORDER BY u.kind, u.key, u.n "
    "ON CONFLICT (site, kind, key) DO UPDATE SET name = excluded.name, type_name = excluded.type_name, "
    "units = excluded.units, exponent = excluded.exponent, digital = excluded.digital, "
    "source_end = excluded.source_end, source_hash = excluded.source_hash "
    "WHERE (excluded.source_end, excluded.source_hash) > (channels.source_end, channels.source_hash)";

inline constexpr const char* kOverlapping =
    "SELECT id, first_time, last_time, interval_seconds, content_hash, log_path FROM imports "
    "WHERE site = $1 AND id <> $2 AND last_time >= $3 AND first_time <= $4";
inline constexpr const char* kChannelsOfImports =
    "SELECT import, kind, key FROM import_channels WHERE import = ANY($1::bigint[]) ORDER BY import, position";
// The readings of an older import off the new log's grid, within its span.
// $1 the site; $2..$5 kinds, keys, first and last times of the ranges
// whose readings go.
inline constexpr const char* kDeleteRanges =
    "DELETE FROM readings r USING unnest($2::smallint[], $3::integer[], $4::bigint[], $5::bigint[]) "
    "AS u(kind, key, first_time, last_time) WHERE r.site = $1 AND r.kind = u.kind AND r.key = u.key "
    "AND r.time BETWEEN u.first_time AND u.last_time";
inline constexpr const char* kHoldingsIn =
    "SELECT kind, key, first_time, last_time, import FROM holdings WHERE site = $1 AND last_time >= $2 "
    "AND first_time <= $3";
// $1 the site; $2..$4 kinds, keys and first times of the ranges that go.
inline constexpr const char* kDropHoldings =
    "DELETE FROM holdings h USING unnest($2::smallint[], $3::integer[], $4::bigint[]) AS u(kind, key, first_time) "
    "WHERE h.site = $1 AND h.kind = u.kind AND h.key = u.key AND h.first_time = u.first_time";
inline constexpr const char* kAddHoldings =
    "INSERT INTO holdings (site, kind, key, first_time, last_time, import) SELECT $1, kind, key, first_time, "
    "last_time, import FROM unnest($2::smallint[], $3::integer[], $4::bigint[], $5::bigint[], $6::bigint[]) "
    "AS u(kind, key, first_time, last_time, import)";
inline constexpr const char* kConflictsIn =
    "SELECT kind, key, time, kept_raw, other_raw, kept_import, other_import FROM conflicts "
    "WHERE site = $1 AND time BETWEEN $2 AND $3";
// The stored readings of the log's channels ($4 kinds, $5 keys) in its span.
inline constexpr const char* kExisting =
    "SELECT r.kind, r.key, r.time, r.raw, r.import, r.value, r.exponent, r.meaning "
    "FROM unnest($4::smallint[], $5::integer[]) AS u(kind, key) "
    "CROSS JOIN LATERAL (SELECT kind, key, time, raw, import, value, exponent, meaning FROM readings "
    "WHERE site = $1 AND kind = u.kind "
    "AND key = u.key AND time BETWEEN $2 AND $3) r";
// The staged readings replace the stored ones ($1 the site, $2 the
// import). ON CONFLICT finds each through the
// readings' key, row by row: no join for the planner to misjudge (it knows
// nothing of the staging table, and little of a site growing in a bulk
// import, and would scan the site's readings).
inline constexpr const char* kReplaceReadings =
    "INSERT INTO readings (site, kind, key, time, raw, value, exponent, import, meaning) "
    "SELECT $1, kind, key, time, raw, value, exponent, $2, meaning FROM zerb32_staging "
    "ON CONFLICT (site, kind, key, time) DO UPDATE SET raw = excluded.raw, value = excluded.value, "
    "exponent = excluded.exponent, import = excluded.import, meaning = excluded.meaning";
// $1 the site; $2..$4 kinds, keys, times of the readings whose conflicts go.
inline constexpr const char* kClearConflicts =
    "DELETE FROM conflicts c USING unnest($2::smallint[], $3::integer[], $4::bigint[]) AS u(kind, key, time) "
    "WHERE c.site = $1 AND c.kind = u.kind AND c.key = u.key AND c.time = u.time";
inline constexpr const char* kInsertConflicts =
    "INSERT INTO conflicts (site, kind, key, time, kept_raw, other_raw, kept_import, other_import) "
    "SELECT $1, * FROM unnest($2::smallint[], $3::integer[], $4::bigint[], $5::smallint[], $6::smallint[], "
    "$7::bigint[], $8::bigint[])";

// Decoding a stored log's channel again: its raw counts, then $5..$7 the
// arrays of raw counts, values and exponents, $8 the meaning.
// The readings of a channel ($1 site, $2 kind, $3 key) that import $4 holds.
inline constexpr const char* kRawsOf =
    "SELECT DISTINCT r.raw FROM holdings h JOIN readings r ON r.site = h.site AND r.kind = h.kind AND r.key = h.key "
    "AND r.time BETWEEN h.first_time AND h.last_time WHERE h.site = $1 AND h.kind = $2 AND h.key = $3 "
    "AND h.import = $4";
inline constexpr const char* kRedecodeReadings =
    "UPDATE readings r SET value = u.value, exponent = u.exponent, meaning = $8 "
    "FROM unnest($5::smallint[], $6::integer[], $7::smallint[]) AS u(raw, value, exponent), holdings h "
    "WHERE h.site = $1 AND h.kind = $2 AND h.key = $3 AND h.import = $4 AND r.site = $1 AND r.kind = $2 "
    "AND r.key = $3 AND r.time BETWEEN h.first_time AND h.last_time AND r.raw = u.raw";
inline constexpr const char* kRedecodeChannel =
    "UPDATE import_channels SET name = $4, type_code = $5, exp_byte = $6, units_byte = $7, description = 'stored', "
    "meaning = $8 WHERE import = $1 AND kind = $2 AND key = $3";
inline constexpr const char* kRedecodeImport =
    "UPDATE imports SET site_description = 'stored' WHERE id = $1 AND site_description IN ('none', 'incomplete')";

// The channels of a site's stored logs (StoredChannel), by import and position.
inline constexpr const char* kSiteChannelRows =
    "SELECT c.import, i.first_time, i.last_time, i.interval_seconds, i.content_hash, i.log_path, c.kind, c.key, "
    "c.name, m.type_name, m.units, m.exponent, m.digital, c.description, c.type_code, c.exp_byte, c.units_byte, "
    "c.meaning FROM import_channels c JOIN imports i ON i.id = c.import "
    "JOIN meanings m ON m.id = c.meaning AND m.site = i.site WHERE i.site = $1 ORDER BY c.import, c.position";
inline constexpr const char* kImportEnds = "SELECT id, last_time FROM imports WHERE site = $1";

inline constexpr const char* kSites = "SELECT site, name FROM sites WHERE $1::bigint < 0 OR site = $1 ORDER BY site";
inline constexpr const char* kSiteKnown = "SELECT 1 FROM sites WHERE site = $1";
inline constexpr const char* kSiteSpans =
    "SELECT first_time, last_time, interval_seconds FROM imports "
    "WHERE site = $1 AND last_time >= $2 AND first_time <= $3";
inline constexpr const char* kSiteCounts =
    "SELECT (SELECT count(*) FROM readings WHERE site = $1), (SELECT count(*) FROM conflicts WHERE site = $1)";
// The stored series, row by row, through a cursor of a read-only
// transaction (one snapshot, bounded memory).
inline constexpr const char* kDeclareRows =
    "DECLARE zerb32_rows NO SCROLL CURSOR FOR SELECT time, kind, key, raw, value, exponent, meaning, import "
    "FROM readings WHERE site = $1 AND time BETWEEN $2 AND $3 ORDER BY time";
inline constexpr const char* kFetchRows = "FETCH 10000 FROM zerb32_rows";

}  // namespace zerb::pg
