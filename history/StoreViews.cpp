#include "history/StoreViews.h"

#include "history/ImportPlan.h"
#include "styles/UnitText.h"

namespace zerb {

namespace {

// CASE r.kind WHEN 0 THEN 'sensor' ...: the kinds' codes and words.
std::string KindWords() {
  std::string words = "CASE r.kind";
  for (const ChannelKind kind : {ChannelKind::Sensor, ChannelKind::Output, ChannelKind::Asm})
    words += " WHEN " + std::to_string(KindCode(kind)) + " THEN '" + std::string(KindName(kind)) + "'";
  return words + " END";
}

std::string Scaled(const char* toReal) {
  return std::string("CASE WHEN r.exponent < 0 THEN r.value / power(") + toReal +
         ", -r.exponent) ELSE r.value * power(" + toReal + ", r.exponent) END";
}

}  // namespace

const char* const UnitTextsTable =
    "CREATE TABLE unit_texts (units text NOT NULL, type_name text NOT NULL, unit text NOT NULL, "
    "PRIMARY KEY (units, type_name))";

std::vector<UnitTextRow> UnitTextRows() {
  std::vector<UnitTextRow> rows;
  for (const CertainUnit& u : CertainUnits())
    rows.push_back({std::string(1, u.letter), std::string(u.typeName), std::string(u.text)});
  return rows;
}

std::string ReadingValuesView(Engine engine) {
  const bool pg = engine == Engine::Postgres;
  const std::string civil = pg ? "to_timestamp(r.time) AT TIME ZONE 'UTC'" : "strftime('%Y-%m-%dT%H:%M:%S', r.time, 'unixepoch')";
  const std::string instant = pg ? "to_timestamp(r.time - i.utc_offset)"
                                 : "strftime('%Y-%m-%dT%H:%M:%SZ', r.time - i.utc_offset, 'unixepoch')";
  return "CREATE VIEW reading_values AS\n"
         "SELECT r.site, " + KindWords() + " AS kind, r.key, c.name AS channel,\n"
         "  coalesce(u.unit, CASE WHEN m.units IN ('', ' ') THEN '' ELSE m.units END) AS unit,\n"
         "  " + Scaled(pg ? "10::float8" : "10.0") + " AS value,\n"
         "  " + civil + " AS civil_time, " + instant + " AS time, r.time - i.utc_offset AS unix_time, s.zone\n"
         "FROM readings r\n"
         "LEFT JOIN channels c ON c.site = r.site AND c.kind = r.kind AND c.key = r.key\n"
         "LEFT JOIN meanings m ON m.id = r.meaning\n"
         "LEFT JOIN unit_texts u ON u.units = m.units AND u.type_name = m.type_name\n"
         "LEFT JOIN imports i ON i.id = r.import\n"
         "LEFT JOIN sites s ON s.site = r.site";
}

std::string SiteGapsView(Engine engine) {
  const bool pg = engine == Engine::Postgres;
  const auto civil = [pg](const char* seconds) {
    return pg ? std::string("to_timestamp(") + seconds + ") AT TIME ZONE 'UTC'"
              : std::string("strftime('%Y-%m-%dT%H:%M:%S', ") + seconds + ", 'unixepoch')";
  };
  // A log starts a gap when it begins more than its interval after every
  // log before it (by first row time) has ended.
  return "CREATE VIEW site_gaps AS\n"
         "SELECT site, " + civil("covered") + " AS gap_after, " + civil("first_time") + " AS gap_until,\n"
         "  (first_time - covered - 1) / interval_seconds AS missing_rows\n"
         "FROM (SELECT site, first_time, interval_seconds,\n"
         "        max(last_time) OVER (PARTITION BY site ORDER BY first_time, last_time\n"
         "                             ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING) AS covered\n"
         "      FROM imports) AS spans\n"
         "WHERE first_time > covered AND first_time - covered > interval_seconds";
}

}  // namespace zerb
