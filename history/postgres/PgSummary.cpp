// Summaries folded in the PostgreSQL server: one GROUP BY over the periods
// of the rows Export would give, so that only a row per period and column
// crosses the connection.

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>

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

// Parameters added after those a statement starts with, each "$N".
class Params {
 public:
  explicit Params(PgParams& params) : params_(params) {}
  std::string Add(std::string text, const char* type) {
    params_.emplace_back(std::move(text));
    return "$" + std::to_string(params_.size()) + "::" + type;
  }
  std::string Add(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return Add(std::string(text.data(), end), "float8");
  }

 private:
  PgParams& params_;
};

// Degree-day figures per period (days and longer) and column: the daily
// mean of the column's valid readings (summed in time order, as
// summary/PeriodTally.h makes it), in °C, against the base where positive,
// for each day with at least the share of readings asked of the readings
// its length holds at the interval; summed per period in day order, with
// the days that have a figure. `params` holds $1-$3 (and $4-$5 when
// zoned) and gets the columns' values.
std::string DegreeDayStatement(const PeriodQuery& query, const StoredColumns& columns, uint32_t interval,
                               PgParams& params) {
  const bool zoned = !query.zone.empty();
  Params p(params);
  std::string wanted;
  for (std::size_t k = 0; k < query.degreeDays.size(); ++k) {
    const DegreeDayColumn& d = query.degreeDays[k];
    const ChannelId id = IdOf(columns.columns[d.channel]);
    wanted += std::string(k == 0 ? "" : ", ") + "(" + p.Add(std::to_string(k), "int") + ", " +
              p.Add(std::to_string(KindCode(id.kind)), "smallint") + ", " + p.Add(std::to_string(id.key), "int") +
              ", " + p.Add(std::to_string(columns.meanings[d.channel]), "bigint") + ", " + p.Add(d.base) + ", " +
              p.Add(d.cooling ? "t" : "f", "bool") + ", " + p.Add(d.fahrenheit ? "t" : "f", "bool") + ")";
  }
  const auto midnight = [](const char* local) {
    return std::string("((to_timestamp(") + local + ") AT TIME ZONE 'UTC') AT TIME ZONE $4::text)";
  };
  const std::string seconds =
      zoned ? "extract(epoch FROM " + midnight("l + 86400") + " - " + midnight("l") + ")::float8" : "86400::float8";
  const std::string celsius = "CASE WHEN fahrenheit THEN (mean - 32::float8) * 5::float8 / 9::float8 ELSE mean END";
  const std::string below = "CASE WHEN cooling THEN " + celsius + " - base ELSE base - " + celsius + " END";
  return "WITH c(k, kind, key, meaning, base, cooling, fahrenheit) AS (VALUES " + wanted + "), "
         "r AS (SELECT k, time, " + kValue + " AS v, " + (zoned ? kLocalInZone : "time") +
         " AS l FROM readings JOIN c USING (kind, key, meaning) "
         "WHERE site = $1 AND time BETWEEN $2 AND $3 AND value IS NOT NULL), "
         "d AS (SELECT k, " + PeriodKey(Period::Day) + " AS l, count(*)::float8 AS n, "
         "sum(v ORDER BY time) / count(*)::float8 AS mean FROM r GROUP BY 1, 2), "
         "e AS (SELECT k, l, " + PeriodKey(query.every) + " AS period, CASE WHEN n >= " + p.Add(query.minCoverage) +
         " * (" + seconds + " / " + p.Add(std::to_string(interval), "float8") + ") THEN CASE WHEN " + below +
         " > 0 THEN " + below + " ELSE 0::float8 END END AS figure FROM d JOIN c USING (k)) "
         "SELECT period, k, sum(figure ORDER BY l), count(figure) FROM e GROUP BY period, k ORDER BY period, k";
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
  // The folds return a few rows per period and channel: compiling them
  // (2.7 s of 16 s for a year of 20 channels) never pays back.
  Run("SET LOCAL jit = off", {}, "read");
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
  std::optional<PgResult> degree;
  if (!query.degreeDays.empty()) {
    const std::string statement = DegreeDayStatement(query, columns, std::max<uint32_t>(folded.interval, 1), params);
    degree = Run(statement, params, "read");
  }
  Run("COMMIT", {}, "read");
  std::map<int64_t, FoldedPeriod> periods;
  const auto periodAt = [&](int64_t key) -> FoldedPeriod& {
    FoldedPeriod& period = periods[key];
    if (period.channels.empty()) {
      period.channels.resize(columns.columns.size());
      period.degreeDayTotal.resize(query.degreeDays.size());
      period.degreeDays.resize(query.degreeDays.size());
    }
    return period;
  };
  for (int r = 0; r < rows.Rows(); ++r) {
    const ChannelId id{KindFromCode(rows.Integer(r, 1)), static_cast<uint16_t>(rows.Integer(r, 2))};
    const auto column = columnOf.find({id, rows.Integer(r, 3)});
    if (column == columnOf.end()) continue;
    Figures& f = periodAt(rows.Integer(r, 0)).channels[column->second];
    f.count = static_cast<uint64_t>(rows.Integer(r, 4));
    f.low = Float(rows, r, 5);
    f.high = Float(rows, r, 6);
    f.sum = Float(rows, r, 7);
    f.first = Float(rows, r, 8);
    f.last = Float(rows, r, 9);
    f.on = static_cast<uint64_t>(rows.Integer(r, 10));
    f.starts = static_cast<uint64_t>(rows.Integer(r, 11));
  }
  for (int r = 0; degree && r < degree->Rows(); ++r) {
    const auto k = static_cast<std::size_t>(degree->Integer(r, 1));
    if (k >= query.degreeDays.size()) continue;
    FoldedPeriod& period = periodAt(degree->Integer(r, 0));
    period.degreeDays[k] = static_cast<uint32_t>(degree->Integer(r, 3));
    if (period.degreeDays[k] > 0) period.degreeDayTotal[k] = Float(*degree, r, 2);
  }
  for (auto& [key, period] : periods) folded.periods.emplace_back(key, std::move(period));
  return folded;
}

}  // namespace zerb
