#!/usr/bin/env bash
# bench/history-identity.sh [-n LOGS] [-e ENGINES] [-k DIR] CLI_BEFORE CLI_AFTER:
# do two builds of zerb32-cli keep the same history of the benchmark's logs?
#
# Makes the logs of bench_history_logs (from a build with ZERB32_BENCH=ON,
# $ZERB32_BENCH_BUILD, by default build/release), keeps the first LOGS of
# each of the four sites (all 250 by default: 1,000 logs), adds a site of
# conflicting downloads (below), and with each CLI imports them all
# (--tz Europe/Berlin) into a new store of each engine of
# ENGINES ("sqlite postgres" by default; PostgreSQL in a throw-away server
# of tools/pg-test-cluster.sh unless ZERB32_PG_URI names one). Then it
# compares, byte for byte between the two CLIs, per engine:
#   export-SITE-STYLE  `export` of each site in the styles classic, excel,
#                      excel-eu, pandas, long, and pandas with --tz
#   history            `history` of every site
#   TABLE.csv          the store's kept contents: sites, imports (without
#                      the paths and the time of import), import_channels,
#                      channels, meanings, meaning_labels, conflicts,
#                      site_gaps and reading_values, ordered
#   status             each command's exit status
# and, with no store, `merge` of each site's logs (classic, and pandas with
# --tz). It prints how many logs the stores hold at each offset from UTC and
# how many conflicts, then every file that differs with its first differing
# line (a difference on standard error only as a note); exit 1 if any
# differs. -k DIR keeps every output in DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arguments=("$@")
logs=250 engines="sqlite postgres" keep=""
while getopts n:e:k: option; do
  case $option in
    n) logs=$OPTARG ;;
    e) engines=$OPTARG ;;
    k) keep=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "$#" -eq 2 ] || { echo "usage: $0 [-n LOGS] [-e ENGINES] [-k DIR] CLI_BEFORE CLI_AFTER" >&2; exit 2; }
declare -A clis=([before]=$(realpath "$1") [after]=$(realpath "$2"))
build=${ZERB32_BENCH_BUILD:-$root/build/release}
make_logs=$build/bench/bench_history_logs make_log=$build/tools/zerb32-mklog
for program in "$make_logs" "$make_log"; do
  [ -x "$program" ] || { echo "no $program: build with ZERB32_BENCH=ON first" >&2; exit 2; }
done

if [[ " $engines " == *" postgres "* && -z "${ZERB32_PG_URI:-}" ]]; then
  exec "$root/tools/pg-test-cluster.sh" "$0" "${arguments[@]}"
fi

if [ -n "$keep" ]; then
  mkdir -p "$keep"; work=$(realpath "$keep")
else
  work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fi
[ -f "$work/logs/distinct.csv" ] || "$make_logs" "$root/samples/42.STE" "$work/logs"

# The benchmark's downloads all agree where they overlap. Site 105 adds
# conflicts: 30 downloads of 600 rows, one every 300 rows, across the
# spring clock change of Europe/Berlin, where each gives some readings
# (one in 37) a value of its own.
conflict_site=105 conflict_logs=30
make_conflicting_site() {
  cp "$root/samples/42.STE" "$work/logs/$conflict_site.STE"
  for ((k = 0; k < conflict_logs; ++k)); do
    awk -v k="$k" -v first=$((300 * k)) -v newest=$((1711000000 + (300 * k + 599) * 300)) 'BEGIN {
      print "interval = 300"
      print "pcTime = " newest; print "lanTime = " newest; print "localLanTime = " newest
      print "sensors = 8 11 17 18 40"; print "outputs = 8 9"; print "asms = 1570"
      for (i = first; i < first + 600; ++i) {
        row = ""
        for (c = 0; c < 8; ++c) row = row (c ? " " : "") (400 + (i * 7 + c * 13) % 90 + ((i + c) % 37 ? 0 : k))
        print row
      }
    }' | "$make_log" - "$(printf '%s/logs/%d_%03d.log' "$work" "$conflict_site" "$k")"
  done
}
[ -f "$work/logs/$conflict_site.STE" ] || make_conflicting_site
sites=(101 102 103 104 "$conflict_site")
# A site's logs in the order they are taken: the benchmark's first LOGS in
# turn; site 105's newest first at odd numbers, then the rest oldest first.
site_logs() {
  local order
  if [ "$1" = "$conflict_site" ]; then
    order=$( (seq $((conflict_logs - 1)) -2 1; seq 0 2 $((conflict_logs - 1))) )  # conflict_logs is even
  else
    order=$(seq 0 $((logs - 1)))
  fi
  for k in $order; do printf '%s/logs/%d_%03d.log\n' "$work" "$1" "$k"; done
}
mapfile -t all_logs < <(for s in "${sites[@]}"; do site_logs "$s"; done)

pg_uri() { echo "postgresql:///$1?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"; }
psql_on() { local db=$1; shift; psql -X -q -v ON_ERROR_STOP=1 -d "$(pg_uri "$db")" "$@"; }
export PGOPTIONS="-c client_min_messages=warning"

# Runs "$@" with its standard output in FILE and its exit status noted.
run_to() {
  local file=$1 status=0; shift
  "$@" > "$file" 2> "$file.err" || status=$?
  echo "$(basename "$file") $status" >> "$(dirname "$file")/status"
}

# The tables, each ordered by its key. Columns named, as the stores of
# several schema versions order them differently.
declare -A dumps=(
  [sites]="SELECT site, name, name_end, zone FROM sites ORDER BY site"
  [imports]="SELECT id, site, content_hash, time_base, first_time, last_time, interval_seconds, readings,
    conflicts, site_description, legacy_hash, utc_offset FROM imports ORDER BY id"
  [import_channels]="SELECT import, position, kind, key, name, type_code, exp_byte, units_byte, description,
    meaning FROM import_channels ORDER BY import, position"
  [channels]="SELECT site, kind, key, name, type_name, units, exponent, digital, source_end, source_hash
    FROM channels ORDER BY site, kind, key"
  [meanings]="SELECT id, site, kind, key, type_name, units, exponent, digital FROM meanings ORDER BY id"
  [meaning_labels]="SELECT meaning, kind, channel, unit FROM meaning_labels ORDER BY meaning"
  [conflicts]="SELECT site, kind, key, time, kept_raw, other_raw, kept_import, other_import FROM conflicts
    ORDER BY site, kind, key, time, other_import, other_raw, kept_import, kept_raw"
  [site_gaps]="SELECT site, gap_after, gap_until, missing_rows FROM site_gaps ORDER BY site, gap_after"
  [reading_values]="SELECT site, kind, key, channel, unit, value, civil_time, time, unix_time, zone, day
    FROM reading_values ORDER BY site, kind, key, civil_time"
)
# shellcheck disable=SC2317  # called through run_to
dump() {
  local engine=$1 store=$2 sql=$3
  case $engine in
    sqlite) sqlite3 -readonly -csv "$store" "$sql" ;;
    postgres) psql_on "$store" -c "COPY ($sql) TO STDOUT WITH (FORMAT csv)" ;;
  esac
}

styles=("classic" "excel" "excel-eu" "pandas" "long" "pandas --tz Europe/Berlin")
style_name() { echo "$1" | tr -d - | tr ' ' '-' | sed 's/--*/-/g; s/\//-/g'; }

# Imports every log with CLI into a new store of ENGINE and writes its
# outputs into OUT.
store_outputs() {
  local engine=$1 cli=$2 out=$3 store db
  mkdir -p "$out"; rm -f "$out"/*
  case $engine in
    sqlite) store=$work/$(basename "$out").db; rm -f "$store"*; db=$store ;;
    postgres)
      store=zerb32_identity_$(basename "$out" | tr - _)
      psql_on postgres -c "DROP DATABASE IF EXISTS $store" -c "CREATE DATABASE $store" > /dev/null
      db=$(pg_uri "$store") ;;
  esac
  run_to "$out/import" "$cli" import --db "$db" --tz Europe/Berlin "${all_logs[@]}"
  run_to "$out/history" "$cli" history --db "$db"
  for site in "${sites[@]}"; do
    for style in "${styles[@]}"; do
      # shellcheck disable=SC2086
      run_to "$out/export-$site-$(style_name "$style")" "$cli" export --db "$db" --site "$site" --style $style -o -
    done
  done
  for table in "${!dumps[@]}"; do run_to "$out/$table.csv" dump "$engine" "$store" "${dumps[$table]}"; done
  [ "$engine" = postgres ] || rm -f "$store"*
}

merge_outputs() {
  local cli=$1 out=$2
  mkdir -p "$out"; rm -f "$out"/*
  for site in "${sites[@]}"; do
    mapfile -t these < <(site_logs "$site")
    run_to "$out/merge-$site-classic" "$cli" merge -o - "${these[@]}"
    run_to "$out/merge-$site-pandas-tz" "$cli" merge --style pandas --tz Europe/Berlin -o - "${these[@]}"
  done
}

# Offsets from UTC and conflicts, from a store's dumps.
describe_store() {
  local out=$1
  printf '%s: %s logs; at offsets from UTC (s): %s; %s conflicts\n' "$out" "$(wc -l < "$out/imports.csv")" \
    "$(cut -d, -f12 "$out/imports.csv" | sort -n | uniq -c | awk '{ printf "%s%s x%s", sep, ($2 == "" ? "none" : $2), $1; sep = ", " }')" \
    "$(wc -l < "$out/conflicts.csv")"
}

# Lists each file of BEFORE that AFTER does not hold byte for byte, with
# its first differing line; fails if any.
compare() {
  local before=$1 after=$2 differ=0 file line result
  for file in "$before"/*; do
    local name=${file##*/}
    [ "$name" != import ] || continue  # the import's own lines are not the store
    if [[ $name == *.err ]]; then
      cmp -s "$file" "$after/$name" || echo "note: the messages on standard error differ: $name"
      continue
    fi
    if ! cmp -s "$file" "$after/$name"; then
      differ=1
      result=$(cmp "$file" "$after/$name" 2>&1 || true)
      if [[ $result == *EOF* ]]; then  # one is the other's beginning
        echo "DIFFERS: $name (${before##*/} vs ${after##*/}): ${result#cmp: }"
        continue
      fi
      line=$(echo "$result" | grep -o 'line [0-9]*' | cut -d' ' -f2 || true)
      echo "DIFFERS: $name (${before##*/} vs ${after##*/}), first at line ${line:-?}:"
      [ -z "$line" ] || { echo "  before: $(sed -n "${line}p" "$file" | cut -c1-300)"
                          echo "  after:  $(sed -n "${line}p" "$after/$name" | cut -c1-300)"; }
    fi
  done
  return $differ
}

echo "$logs logs a site, ${#sites[@]} sites, $(date -u +%H:%M:%S)"
failed=0
for side in before after; do merge_outputs "${clis[$side]}" "$work/merge-$side"; done
compare "$work/merge-before" "$work/merge-after" || failed=1
for engine in $engines; do
  for side in before after; do
    store_outputs "$engine" "${clis[$side]}" "$work/$engine-$side"
    describe_store "$work/$engine-$side"
  done
  compare "$work/$engine-before" "$work/$engine-after" || failed=1
done
for engine in $engines; do
  for side in before after; do
    awk '$2 != 0 { print "note: " FILENAME ": " $1 " exited " $2 }' "$work/$engine-$side/status"
  done
done
if [ "$failed" = 0 ]; then echo "identical: merges and, per engine ($engines), exports, history and tables"; fi
echo "done $(date -u +%H:%M:%S)"
exit "$failed"
