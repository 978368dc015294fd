#!/usr/bin/env bash
# bench/pg-import-same.sh [-n LOGS] [-o DIR] CLI...: whether PostgreSQL
# stores filled by different builds of zerb32-cli hold and give the same.
#
# Makes the logs of bench_history_logs (from $ZERB32_BENCH_BUILD, by
# default build/release), keeps the first LOGS of each of the four sites
# (all 250 by default), and on a throw-away server imports them with each
# CLI (`import --tz Europe/Berlin`, the downloads fall on both sides of
# clock changes) into a database of its own. Then writes, per CLI, into
# DIR/N (default a temporary folder, removed afterwards):
#   import              what the import said on standard error, and its exit
#   export-SITE-STYLE   `export` of each site in the styles classic, excel,
#                       long and pandas (in UTC instants through the zone),
#                       as sha256 and line count
#   history             `history` of the store
#   TABLE               every table and view of the store, rows as JSON in
#                       sorted order (imports without imported_at); the
#                       large ones (readings, reading_values) as sha256
# and compares each CLI's files with the first one's: exit 0 when all are
# the same, 1 with the differing files named.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
logs=250 out=""
while getopts n:o: option; do
  case $option in
    n) logs=$OPTARG ;;
    o) out=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "$#" -gt 0 ] || { echo "usage: $0 [-n LOGS] [-o DIR] CLI..." >&2; exit 2; }
make_logs=${ZERB32_BENCH_BUILD:-$root/build/release}/bench/bench_history_logs
[ -x "$make_logs" ] || { echo "no $make_logs: build with ZERB32_BENCH=ON first" >&2; exit 2; }

if [ -z "${ZERB32_PG_URI:-}" ]; then
  exec "$root/tools/pg-test-cluster.sh" "$0" -n "$logs" -o "$out" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -n "$out" ] || out=$work/out
"$make_logs" "$root/samples/42.STE" "$work/logs"
sites="101 102 103 104"
pg_uri() { echo "postgresql:///$1?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"; }
export PGOPTIONS="-c client_min_messages=warning"
query() { psql -X -q -A -t -v ON_ERROR_STOP=1 -d "$1" -c "$2"; }

# The rows of a table or view in a stable order, one JSON object a line,
# the logs' folder left out of their paths.
rows_of() {
  query "$1" "SELECT j FROM (SELECT (to_jsonb(t) - 'imported_at')::text AS j FROM $2 t) s ORDER BY j COLLATE \"C\"" |
    sed "s|$work/||g"
}
digest() { printf '%s %s\n' "$(sha256sum < "$1" | cut -d' ' -f1)" "$(wc -l < "$1")"; }

dump() {
  local cli=$1 db=$2 to=$3
  mkdir -p "$to"
  for s in $sites; do
    for style in classic excel pandas long; do
      zone=()
      [ "$style" = pandas ] && zone=(--tz Europe/Berlin)
      "$cli" export --db "$db" --site "$s" --style "$style" "${zone[@]}" -q -o "$work/export.csv"
      digest "$work/export.csv" > "$to/export-$s-$style"
    done
  done
  "$cli" history --db "$db" > "$to/history"
  for table in sites imports import_channels channels meanings meaning_labels unit_texts conflicts holdings site_gaps; do
    rows_of "$db" "$table" > "$to/$table"
  done
  for table in readings reading_values; do
    rows_of "$db" "$table" > "$work/rows"
    digest "$work/rows" > "$to/$table"
  done
}

n=0 same=0
for cli in "$@"; do
  n=$((n + 1))
  query "$ZERB32_PG_URI" "CREATE DATABASE zerb32_same_$n"
  db=$(pg_uri "zerb32_same_$n")
  mkdir -p "$out/$n"
  status=0
  for s in $sites; do for ((k = 0; k < logs; ++k)); do printf '%s/logs/%d_%03d.log\n' "$work" "$s" "$k"; done; done |
    xargs "$cli" import --db "$db" --tz Europe/Berlin 2>&1 > /dev/null | sed "s|$work/||g" > "$out/$n/import" || status=$?
  echo "exit $status" >> "$out/$n/import"
  dump "$cli" "$db" "$out/$n"
  if [ "$n" -gt 1 ]; then
    diff -rq "$out/1" "$out/$n" || same=1
  fi
done
echo "$logs logs a site, 4 sites: conflicts $(wc -l < "$out/1/conflicts"), UTC offsets" \
  "$(query "$(pg_uri zerb32_same_1)" "SELECT string_agg(DISTINCT utc_offset::text, ',') FROM imports")"
[ "$same" -eq 0 ] && echo "the same from every CLI" || echo "NOT the same"
exit "$same"
