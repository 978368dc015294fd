#!/usr/bin/env bash
# bench/history-speed.sh [-n LOGS] [-r ROUNDS] [-l DIR] CLI...: the history
# stores on overlapping downloads, against the engines' own bulk loads.
#
# Makes the logs of bench_history_logs (from a build with ZERB32_BENCH=ON,
# $ZERB32_BENCH_BUILD, by default build/release), keeps the first LOGS of
# each of the four sites (all 250 by default), and times, round by round
# (ROUNDS, default 3) on a throw-away PostgreSQL server, each CLI given
# (e.g. two builds of zerb32-cli, before and after a change) interleaved
# with the floors:
#   sqlite      `CLI import` of every log into a new SQLite store
#   sqlite3     sqlite3's .import of the distinct readings into a table of
#               the readings table's shape (the floor)
#   postgres    the same into a new PostgreSQL database
#   psql        psql's \copy of the distinct readings (the floor)
#   pg-2, pg-4  2 and 4 importers at once, each on its own sites
# and prints per job the median and the spread (min-max) of the wall time
# and the median CPU time of its processes (not the server's) in seconds,
# and each import's median as a multiple of its floor's (wall time).
# -l DIR takes the logs bench_history_logs made in DIR (makes them there if
# missing). Samples go to $ZERB32_BENCH_SAMPLES too (bench/samples.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
logs=250 rounds=3 made=""
while getopts n:r:l: option; do
  case $option in
    n) logs=$OPTARG ;;
    r) rounds=$OPTARG ;;
    l) made=$(realpath "$OPTARG") ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "$#" -gt 0 ] || { echo "usage: $0 [-n LOGS] [-r ROUNDS] [-l DIR] CLI..." >&2; exit 2; }
make_logs=${ZERB32_BENCH_BUILD:-$root/build/release}/bench/bench_history_logs
[ -x "$make_logs" ] || { echo "no $make_logs: build with ZERB32_BENCH=ON first" >&2; exit 2; }

if [ -z "${ZERB32_PG_URI:-}" ]; then
  exec "$root/tools/pg-test-cluster.sh" "$0" -n "$logs" -r "$rounds" ${made:+-l "$made"} "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=bench/samples.sh
. "$root/bench/samples.sh"
bench_scratch=$work/times
made=${made:-$work/logs}
[ -f "$made/distinct.csv" ] || "$make_logs" "$root/samples/42.STE" "$made"
# The kept logs' distinct readings: a site's log k ends at row 2,699 + 582k.
last_time=$((1700000000 + (2699 + 582 * (logs - 1)) * 300))
awk -F, -v last="$last_time" '$4 <= last' "$made/distinct.csv" > "$work/distinct.csv"
site_logs() { for ((k = 0; k < logs; ++k)); do printf '%s/%d_%03d.log\n' "$made" "$1" "$k"; done; }

pg_uri() { echo "postgresql:///$1?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"; }
psql_on() { local db=$1; shift; psql -X -q -v ON_ERROR_STOP=1 -d "$(pg_uri "$db")" "$@" > /dev/null; }
new_database() { psql_on postgres -c "DROP DATABASE IF EXISTS $1" -c "CREATE DATABASE $1"; }
readings_table='(site INTEGER NOT NULL, kind INTEGER NOT NULL, key INTEGER NOT NULL, time INTEGER NOT NULL,
  raw INTEGER NOT NULL, value INTEGER, exponent INTEGER NOT NULL, meaning INTEGER NOT NULL,
  PRIMARY KEY (site, kind, key, time))'

export PGOPTIONS="-c client_min_messages=warning"

# Runs `CLI import` of the sites' logs into DB, one importer per site list.
import_sites() {
  local cli=$1 db=$2; shift 2
  local pids=()
  for sites in "$@"; do
    (for s in $sites; do site_logs "$s"; done | xargs "$cli" import --db "$db" > /dev/null 2>&1) &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid"; done
}

for ((round = 1; round <= rounds; ++round)); do
  for ((c = 1; c <= $#; ++c)); do
    cli=${!c}
    rm -f "$work/store.db"*
    measure "sqlite:$c" import_sites "$cli" "$work/store.db" "101 102 103 104"
    rm -f "$work/floor.db"
    measure sqlite3 sqlite3 "$work/floor.db" "CREATE TABLE readings $readings_table" ".mode csv" \
      ".import $work/distinct.csv readings"
    for importers in 1 2 4; do
      case $importers in
        1) lists=("101 102 103 104") job=postgres ;;
        2) lists=("101 102" "103 104") job=pg-2 ;;
        4) lists=(101 102 103 104) job=pg-4 ;;
      esac
      new_database zerb32_speed
      measure "$job:$c" import_sites "$cli" "$(pg_uri zerb32_speed)" "${lists[@]}"
    done
    new_database zerb32_floor
    psql_on zerb32_floor -c "CREATE TABLE readings $readings_table"
    measure psql psql_on zerb32_floor -c "\\copy readings FROM '$work/distinct.csv' WITH (FORMAT csv)"
  done
done

echo "$logs logs a site, 4 sites, $(wc -l < "$work/distinct.csv") distinct readings, $rounds rounds"
declare -A medians
for job in $(printf '%s\n' "${!wall_of[@]}" | sort); do
  read -r m lo hi <<< "$(echo "${wall_of[$job]}" | median)"
  medians[$job]=$m
  printf '%-12s median %8.3f s  (%.3f-%.3f), CPU %8.3f s\n' "$job" "$m" "$lo" "$hi" \
    "$(echo "${cpu_of[$job]}" | median | cut -d' ' -f1)"
done
for ((c = 1; c <= $#; ++c)); do
  printf 'CLI %d (%s): sqlite %.2fx sqlite3, postgres %.2fx psql, pg-2 %.2fx and pg-4 %.2fx postgres\n' "$c" "${!c}" \
    "$(echo "${medians[sqlite:$c]} / ${medians[sqlite3]}" | bc -l)" \
    "$(echo "${medians[postgres:$c]} / ${medians[psql]}" | bc -l)" \
    "$(echo "${medians[pg-2:$c]} / ${medians[postgres:$c]}" | bc -l)" \
    "$(echo "${medians[pg-4:$c]} / ${medians[postgres:$c]}" | bc -l)"
done
