#!/usr/bin/env bash
# bench/store-plot.sh [BUILD_DIR]: a year of one site drawn from SQLite and
# PostgreSQL (bench_store_plot, from a build with ZERB32_BENCH=ON, by
# default build/release) on a throw-away server made and removed by
# tools/pg-test-cluster.sh: the whole year, a week and a day, each fetched
# as the store's envelope and drawn, and the year from every row.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
bench=$build/bench/bench_store_plot
[ -x "$bench" ] || { echo "no $bench: build with ZERB32_BENCH=ON first (make build)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/tools/pg-test-cluster.sh" sh -c '
  "$ZERB32_PG_BINDIR/psql" -X -q -d "$ZERB32_PG_URI" -c "CREATE DATABASE zerb32_year"
  uri="postgresql:///zerb32_year?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"
  "$0" make "$1" "$uri" && "$0" run "$1" "$uri"' "$bench" "$work"
