#include "history/HoldingsSchema.h"

namespace zerb {

std::string HoldingsTable(Engine engine) {
  const bool pg = engine == Engine::Postgres;
  const std::string whole = pg ? "bigint" : "INTEGER";
  return "CREATE TABLE holdings (site " + whole + " NOT NULL, kind " + (pg ? "smallint" : "INTEGER") +
         " NOT NULL, key " + (pg ? "integer" : "INTEGER") + " NOT NULL, first_time " + whole +
         " NOT NULL, last_time " + whole + " NOT NULL, import " + whole +
         " NOT NULL, PRIMARY KEY (site, kind, key, first_time))" + (pg ? "" : " WITHOUT ROWID");
}

const char* HoldingsFill() {
  return "INSERT INTO holdings (site, kind, key, first_time, last_time, import) "
         "SELECT site, kind, key, min(time), max(time), import FROM "
         "(SELECT site, kind, key, time, import, "
         "row_number() OVER (PARTITION BY site, kind, key ORDER BY time) - "
         "row_number() OVER (PARTITION BY site, kind, key, import ORDER BY time) AS run FROM readings) AS runs "
         "GROUP BY site, kind, key, import, run";
}

const char* HolderOfReading() {
  // Ranges of a channel never overlap: the last one starting at or before
  // the reading's time holds it.
  return "(SELECT h.import FROM holdings h WHERE h.site = r.site AND h.kind = r.kind AND h.key = r.key "
         "AND h.first_time <= r.time ORDER BY h.first_time DESC LIMIT 1)";
}

}  // namespace zerb
