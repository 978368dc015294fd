#pragma once
// The views of a store that SQL and dashboards read as they are, in each
// engine's SQL, and the small tables they read besides the readings.
//
// reading_values: one row per reading with the site, the kind as a word,
// the key, the channel's newest name, the unit as text, the engineering
// value as a real number (NULL where invalid), the civil time and its day,
// and the instant with the site's zone (NULL where the site has none). The
// instant is the civil time minus the UTC offset the import stored for the
// log the reading was kept from (imports.utc_offset: the log's newest row
// placed in the zone, as --tz places it), so it is the same in both engines
// and the same as an export with --tz; SQLite has no zone database to work
// it out in SQL.
//
// The view reads its words from meaning_labels, one row per meaning, by the
// reading's integer meaning: a table as small as a site's channel table, so
// a query over a year of readings pays one look-up per row for them. The
// labels are kept at import (MeaningLabelsFill, in the import's
// transaction), so they always follow the channels' newest names. What only
// some queries use (the instant, the zone) costs nothing in a query that
// does not: PostgreSQL drops unused left joins on unique keys; SQLite does
// not in a grouped query, so there they are subqueries, evaluated only
// where the column is read.
//
// site_gaps: the stretches longer than the interval that no stored log of
// a site covers, as `history` lists them.

#include <string>
#include <vector>

#include "history/SchemaNotes.h"

namespace zerb {

std::string ReadingValuesView(Engine engine);
std::string SiteGapsView(Engine engine);

// The civil day of a row time `seconds` (a column of the readings): text
// YYYY-MM-DD in SQLite, a date in PostgreSQL. The PostgreSQL store keeps
// statistics on this very expression, so the planner knows a year of
// readings has 365 days and groups them by hashing rather than sorting.
std::string CivilDay(Engine engine, const std::string& seconds);

// The CREATE TABLE of meaning_labels (the same in both engines but for the
// key's type), and the statement that (re)writes the labels of one site's
// meanings (its one parameter), or of every meaning when `everySite`.
std::string MeaningLabelsTable(Engine engine);
std::string MeaningLabelsFill(Engine engine, bool everySite = false);

// The CREATE TABLE of unit_texts (the same in both engines), and its rows
// as (units letter, type name, unit text).
extern const char* const UnitTextsTable;
struct UnitTextRow {
  std::string units, typeName, unit;
};
std::vector<UnitTextRow> UnitTextRows();

}  // namespace zerb
