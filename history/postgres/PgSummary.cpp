// Summaries folded in the PostgreSQL server: one GROUP BY over the periods
// of the rows Export would give, so that only a row per period and column
// crosses the connection.

#include <array>
#include <charconv>
#include <map>

#include "history/StoredSite.h"
#include "history/postgres/PgStatements.h"
#include "history/postgres/PgStore.h"

namespace zerb {
namespace {

// A reading's value as the process computes it (summary/PeriodTally.h
// ValueOf): the stored integer times the double nearest to 10^exponent, so
// that sums come out bit for bit the same.
constexpr const char* kValue =
    "value::float8 * CASE exponent WHEN -4 THEN 1e-4::float8 WHEN -3 THEN 1e-3::float8 WHEN -2 THEN 1e-2::float8 "
    "WHEN -1 THEN 1e-1::float8 WHEN 0 THEN 1::float8 WHEN 1 THEN 1e1::float8 WHEN 2 THEN 1e2::float8 "
    "WHEN 3 THEN 1e3::float8 WHEN 4 THEN 1e4::float8 ELSE power(10::float8, exponent) END";

// The local clock's reading of a row ($5: the rows' clock offset from UTC;
// $4: the zone), in seconds as if UTC.
constexpr const char* kLocalInZone = "extract(epoch FROM (to_timestamp(time - $5::bigint) AT TIME ZONE $4::text))::bigint";

// The key of the period that holds local time l (floors as the process
// takes them: summary/Periods.h). Shorter than a day: the period's start on
// the logger's clock, so that an hour a change repeats is two periods.
std::string PeriodKey(Period every) {
  const auto floorMod = [](const std::string& a, int64_t b) {
    const std::string m = std::to_string(b);
    return "(((" + a + ") % " + m + " + " + m + ") % " + m + ")";
  };
  if (const int64_t length = FixedLength(every); length > 0) return "time - " + floorMod("l", length);
  const std::string day = "(l - " + floorMod("l", 86400) + ")";
  switch (every) {
    case Period::Week:  // 1970-01-01 was a Thursday
      return day + " - " + floorMod(day + " / 86400 + 3", 7) + " * 86400";
    case Period::Month:
      return "extract(epoch FROM date_trunc('month', to_timestamp(l) AT TIME ZONE 'UTC'))::bigint";
    default: return day;
  }
}

std::string FoldStatement(Period every, bool zoned) {
  return std::string("WITH r AS (SELECT kind, key, meaning, time, ") + kValue + " AS v, " +
         (zoned ? kLocalInZone : "time") +
         " AS l FROM readings WHERE site = $1 AND time BETWEEN $2 AND $3 AND value IS NOT NULL), "
         "p AS (SELECT kind, key, meaning, time, v, " + PeriodKey(every) + " AS period, "
         "lag(v) OVER (PARTITION BY kind, key, meaning ORDER BY time) AS prev FROM r) "
         "SELECT period, kind, key, meaning, count(*), min(v), max(v), sum(v ORDER BY time), "
         "(array_agg(v ORDER BY time))[1], (array_agg(v ORDER BY time DESC))[1], "
         "count(*) FILTER (WHERE v <> 0), count(*) FILTER (WHERE v <> 0 AND prev = 0) "
         "FROM p GROUP BY period, kind, key, meaning ORDER BY period";
}

// The first and last row time and the shortest step between rows.
constexpr const char* kRowTimes =
    "SELECT min(time), max(time), coalesce(min(step), 0) FROM (SELECT time, time - lag(time) OVER (ORDER BY time) "
    "AS step FROM (SELECT DISTINCT time FROM readings WHERE site = $1 AND time BETWEEN $2 AND $3) t) s";

double Float(const PgResult& result, int row, int column) {
  const std::string_view text = result.Text(row, column);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::optional<StoredPeriods> PgStore::FoldPeriods(uint32_t site, int64_t from, int64_t to, const PeriodQuery& query) {
  if (Run(pg::kSiteKnown, {std::to_string(site)}, "read").Rows() == 0) return std::nullopt;
  const bool zoned = !query.zone.empty();
  if (zoned && Run("SELECT 1 FROM pg_timezone_names WHERE name = $1", {query.zone}, "read").Rows() == 0)
    return std::nullopt;
  PgParams params = {std::to_string(site), std::to_string(from), std::to_string(to)};
  Run("BEGIN READ ONLY ISOLATION LEVEL REPEATABLE READ", {}, "read");
  StoredPeriods folded;
  PgResult times = Run(kRowTimes, params, "read");
  if (times.Rows() == 1 && !times.IsNull(0, 0)) {
    folded.empty = false;
    folded.first = times.Integer(0, 0);
    folded.last = times.Integer(0, 1);
    folded.interval = static_cast<uint32_t>(times.Integer(0, 2));
  }
  const StoredColumns columns = ColumnsOfSite(SiteChannels(site));
  std::map<std::pair<ChannelId, int64_t>, std::size_t> columnOf;
  for (std::size_t i = 0; i < columns.columns.size(); ++i)
    columnOf[{IdOf(columns.columns[i]), columns.meanings[i]}] = i;
  if (zoned) params.insert(params.end(), {query.zone, std::to_string(query.clockOffset)});
  PgResult rows = Run(FoldStatement(query.every, zoned), params, "read");
  Run("COMMIT", {}, "read");
  for (int r = 0; r < rows.Rows(); ++r) {
    const int64_t key = rows.Integer(r, 0);
    if (folded.periods.empty() || folded.periods.back().first != key)
      folded.periods.emplace_back(key, std::vector<Figures>(columns.columns.size()));
    const ChannelId id{KindFromCode(rows.Integer(r, 1)), static_cast<uint16_t>(rows.Integer(r, 2))};
    const auto column = columnOf.find({id, rows.Integer(r, 3)});
    if (column == columnOf.end()) continue;
    Figures& f = folded.periods.back().second[column->second];
    f.count = static_cast<uint64_t>(rows.Integer(r, 4));
    f.low = Float(rows, r, 5);
    f.high = Float(rows, r, 6);
    f.sum = Float(rows, r, 7);
    f.first = Float(rows, r, 8);
    f.last = Float(rows, r, 9);
    f.on = static_cast<uint64_t>(rows.Integer(r, 10));
    f.starts = static_cast<uint64_t>(rows.Integer(r, 11));
  }
  return folded;
}

}  // namespace zerb
