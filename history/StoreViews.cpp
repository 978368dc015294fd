#include "history/StoreViews.h"

#include "history/HoldingsSchema.h"
#include "history/ImportPlan.h"
#include "styles/UnitText.h"

namespace zerb {

namespace {

// CASE m.kind WHEN 0 THEN 'sensor' ...: the kinds' codes and words.
std::string KindWords() {
  std::string words = "CASE m.kind";
  for (const ChannelKind kind : {ChannelKind::Sensor, ChannelKind::Output, ChannelKind::Asm})
    words += " WHEN " + std::to_string(KindCode(kind)) + " THEN '" + std::string(KindName(kind)) + "'";
  return words + " END";
}

// value × 10^exponent as a real number. The common exponents scale by a
// constant, exactly the power (10^n is exact for these n) without a
// function call per reading; the others fall back to the power.
std::string Scaled(Engine engine) {
  const auto real = [engine](const char* digits) {
    return std::string(digits) + (engine == Engine::Postgres ? "::float8" : ".0");
  };
  static constexpr struct {
    const char* exponent;
    const char* operation;
    const char* factor;
  } Common[] = {{"-1", "/", "10"}, {"0", "*", "1"},     {"-2", "/", "100"}, {"-3", "/", "1000"},
                {"1", "*", "10"},  {"2", "*", "100"}, {"3", "*", "1000"}};
  std::string scaled = "CASE r.exponent";
  for (const auto& c : Common)
    scaled += std::string(" WHEN ") + c.exponent + " THEN r.value " + c.operation + " " + real(c.factor);
  return scaled + " ELSE CASE WHEN r.exponent < 0 THEN r.value / power(" + real("10") +
         ", -r.exponent) ELSE r.value * power(" + real("10") + ", r.exponent) END END";
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

std::string MeaningLabelsTable(Engine engine) {
  return std::string("CREATE TABLE meaning_labels (meaning ") + (engine == Engine::Postgres ? "bigint" : "INTEGER") +
         " PRIMARY KEY, kind text NOT NULL, channel text, unit text NOT NULL)";
}

// A channel's name is that of its newest description, the same for all its
// meanings; a units letter is its own unit unless unit_texts says what it
// means on the device type (blank: none).
std::string MeaningLabelsFill(Engine engine, bool everySite) {
  const char* site = engine == Engine::Postgres ? "m.site = $1" : "m.site = ?1";
  return "INSERT INTO meaning_labels (meaning, kind, channel, unit)\n"
         "SELECT m.id, " + KindWords() + ", c.name,\n"
         "  coalesce(u.unit, CASE WHEN m.units IN ('', ' ') THEN '' ELSE m.units END)\n"
         "FROM meanings m\n"
         "LEFT JOIN channels c ON c.site = m.site AND c.kind = m.kind AND c.key = m.key\n"
         "LEFT JOIN unit_texts u ON u.units = m.units AND u.type_name = m.type_name\n"
         "WHERE " + (everySite ? "true" : site) + "\n"
         "ON CONFLICT (meaning) DO UPDATE SET kind = excluded.kind, channel = excluded.channel, unit = excluded.unit";
}

// Whole days since 1970-01-01 rounded down, so times before 1970 fall on
// their own day too.
std::string CivilDay(Engine engine, const std::string& seconds) {
  return engine == Engine::Postgres ? "date '1970-01-01' + floor(" + seconds + " / 86400::float8)::integer"
                                    : "date(" + seconds + ", 'unixepoch')";
}

std::string ReadingValuesView(Engine engine) {
  const bool pg = engine == Engine::Postgres;
  const std::string civil = pg ? "to_timestamp(r.time) AT TIME ZONE 'UTC'" : "strftime('%Y-%m-%dT%H:%M:%S', r.time, 'unixepoch')";
  // The offset of the import holding the reading.
  const std::string offset =
      pg ? "i.utc_offset" : std::string("(SELECT i.utc_offset FROM imports i WHERE i.id = ") + HolderOfReading() + ")";
  const std::string instant = pg ? "to_timestamp(r.time - i.utc_offset)"
                                 : "strftime('%Y-%m-%dT%H:%M:%SZ', r.time - " + offset + ", 'unixepoch')";
  const std::string zone = pg ? "s.zone" : "(SELECT s.zone FROM sites s WHERE s.site = r.site)";
  return "CREATE VIEW reading_values AS\n"
         "SELECT r.site, l.kind, r.key, l.channel, l.unit,\n"
         "  " + Scaled(engine) + " AS value,\n"
         "  " + civil + " AS civil_time, " + instant + " AS time, r.time - " + offset + " AS unix_time,\n"
         "  " + zone + " AS zone, " + CivilDay(engine, "r.time") + " AS day\n"
         "FROM readings r\n"
         "LEFT JOIN meaning_labels l ON l.meaning = r.meaning" +
         (pg ? std::string("\nLEFT JOIN LATERAL (SELECT ") + HolderOfReading() +
                   " AS import) h ON true\nLEFT JOIN imports i ON i.id = h.import\nLEFT JOIN sites s ON s.site = r.site"
             : "");
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
