#!/usr/bin/env bash
# bench/history-postgres.sh [BUILD_DIR]: the PostgreSQL store benchmark
# (bench_history_postgres, from a build with ZERB32_BENCH=ON, by default
# build/release) on a throw-away server with default settings, made and
# removed by tools/pg-test-cluster.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
bench=$build/bench/bench_history_postgres
[ -x "$bench" ] || { echo "no $bench: build with ZERB32_BENCH=ON first (make build)" >&2; exit 2; }
exec "$root/tools/pg-test-cluster.sh" sh -c '
  "$ZERB32_PG_BINDIR/psql" -X -q -d "$ZERB32_PG_URI" -c "CREATE DATABASE zerb32_bench"
  exec "$0" "postgresql:///zerb32_bench?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"' "$bench"
