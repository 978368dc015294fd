#!/usr/bin/env bash
# bench/store-views.sh [BUILD_DIR] [ROUNDS]: the daily-means query on the
# store's view against queries on its raw tables that give the same rows,
# SQLite and PostgreSQL (bench/store_views_bench.py), the server made and
# removed by tools/pg-test-cluster.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
exec "$root/tools/pg-test-cluster.sh" --if-available /usr/bin/python3 "$root/bench/store_views_bench.py" "$build" "${2:-7}"
