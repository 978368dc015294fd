#!/bin/sh
# The window's History tab on a year of one site (105,120 rows x 20
# channels, written by bench_store_plot make) in SQLite and in PostgreSQL,
# on a throw-away server made and removed by tools/pg-test-cluster.sh. The
# rounds take the engines in turn, each in a process of its own on an
# offscreen 1600x1000 screen (bench_window_history): the first picture of
# the whole year, the median and slowest zoom step, the figures of a zoomed
# range, the store's Envelope call alone, the process's peak memory.
# Figures are read by people, never asserted.
#   bench/window-history.sh BUILD [ROUNDS]   (BUILD: a Release build with ZERB32_BENCH=ON)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
rounds=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 143' INT TERM
for program in "$build/bench/bench_store_plot" "$build/bench/bench_window_history"; do
  [ -x "$program" ] || { echo "no $program: build with ZERB32_BENCH=ON first" >&2; exit 2; }
done
export QT_QPA_PLATFORM="offscreen:configfile=$root/tests/ui/window/screen-1600x1000.json"
"$root/tools/pg-test-cluster.sh" sh -c '
  "$ZERB32_PG_BINDIR/psql" -X -q -d "$ZERB32_PG_URI" -c "CREATE DATABASE zerb32_year"
  uri="postgresql:///zerb32_year?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"
  "$1/bench_store_plot" make "$2" "$uri" >&2
  for r in $(seq "$3"); do
    for engine in sqlite postgresql; do
      if [ $engine = sqlite ]; then store="$2/year.db"; else store=$uri; fi
      echo "$engine $("$1/bench_window_history" "$store")"
    done
  done' sh "$build/bench" "$work" "$rounds" > "$work/rounds.txt"

python3 - "$work/rounds.txt" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    engine, *pairs = line.split()
    figures = dict(p.split("=") for p in pairs)
    for key, value in figures.items():
        runs.setdefault(engine, {}).setdefault(key, []).append(float(value))
for engine, figures in runs.items():
    m = {k: statistics.median(v) for k, v in figures.items()}
    print(f"{engine} ({len(figures['first_ms'])} rounds, medians):")
    print(f"  first picture of the year  {m['first_ms']:8.1f} ms  (Envelope alone {m['envelope_first_ms']:.1f} ms,"
          f" {m['envelope_first_ms'] / m['first_ms']:.0%} of it); its figures after {m['first_figures_ms']:.1f} ms")
    print(f"  zoom step                  {m['zoom_ms']:8.1f} ms  (slowest {m['zoom_max_ms']:.1f} ms; Envelope alone"
          f" {m['envelope_zoom_ms']:.1f} ms over {int(m['envelope_steps'])} of {int(m['steps'])} steps)")
    print(f"  zoom step with its figures {m['zoom_figures_ms']:8.1f} ms")
    print(f"  peak RSS                   {m['peak_mb']:8.0f} MB")
PY
