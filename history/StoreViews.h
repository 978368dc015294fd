#pragma once
// The views of a store that SQL and dashboards read as they are, in each
// engine's SQL, and the rows of its unit_texts table.
//
// reading_values: one row per reading with the site, the kind as a word,
// the key, the channel's newest name, the unit as text, the engineering
// value as a real number (NULL where invalid), the civil time, and the
// instant with the site's zone (NULL where the site has none). The instant
// is the civil time minus the UTC offset the import stored for the log the
// reading was kept from (imports.utc_offset: the log's newest row placed in
// the zone, as --tz places it), so it is the same in both engines and the
// same as an export with --tz; SQLite has no zone database to work it out
// in SQL. Joins on unique keys are left joins, so a query that uses none of
// a table's columns does not read it.
//
// site_gaps: the stretches longer than the interval that no stored log of
// a site covers, as `history` lists them.

#include <string>
#include <vector>

#include "history/SchemaNotes.h"

namespace zerb {

std::string ReadingValuesView(Engine engine);
std::string SiteGapsView(Engine engine);

// The CREATE TABLE of unit_texts (the same in both engines), and its rows
// as (units letter, type name, unit text).
extern const char* const UnitTextsTable;
struct UnitTextRow {
  std::string units, typeName, unit;
};
std::vector<UnitTextRow> UnitTextRows();

}  // namespace zerb
