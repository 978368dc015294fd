#!/usr/bin/env bash
# bench/speed-report.sh [-r ROUNDS] [-n LOGS] [-k REPEAT] [BUILD]: every
# figure of the history's speed against its floor, from one run.
#
# BUILD is a Release build with ZERB32_BENCH=ON (build/release by default)
# holding zerb32-cli, the Python module and the bench programs. Round by
# round (ROUNDS, default 3) it runs, each once with its floor beside it:
#   bench/history-speed.sh   import of LOGS logs a site (250: all 1,000)
#                            into SQLite and PostgreSQL (also 2 and 4
#                            importers) vs sqlite3 .import and psql \copy
#   bench/merge-speed.py     merge of four pieces of the longest log vs
#                            converting it; export of site 101 (its first
#                            LOGS logs) vs a plain sqlite3 scan; REPEAT runs
#   bench/cli-batch.sh       the longest log (65,536 rows, classic CSV) as a
#                            whole process vs cp of its output
#   bench/window-open.sh     the window painted on the 60-channel log vs on
#                            no log (3 a round)
#   bench/python_read_bench.py  read_log().to_pandas() vs zerb32-cli and
#                            pandas.read_csv (REPEAT runs)
# on a throw-away PostgreSQL server (tools/pg-test-cluster.sh), gathering
# their samples (bench/samples.sh), and prints one table: per measure the
# median, the spread (min-max) and the median's ratio to its floor's, in
# the clock named: CPU time (user + system of the processes) where the work
# is all in our processes, wall time where a server's or the X server's
# work is part of it. The other clock's ratio is beside it. Each script's
# own report goes to the file named at the end. -r 2 -n 10 -k 3 takes a few
# minutes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arguments=("$@")
rounds=3 logs=250 repeat=10
while getopts r:n:k: option; do
  case $option in
    r) rounds=$OPTARG ;;
    n) logs=$OPTARG ;;
    k) repeat=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "$#" -le 1 ] || { echo "usage: $0 [-r ROUNDS] [-n LOGS] [-k REPEAT] [BUILD]" >&2; exit 2; }
build=$(realpath "${1:-$root/build/release}")
cli=$build/cli/zerb32-cli
for program in "$cli" "$build"/bench/bench_{history_logs,window_open,convert_bench} "$build"/tools/zerb32-{mkbatch,mklog}; do
  [ -x "$program" ] || { echo "no $program: build $build with ZERB32_BENCH=ON first" >&2; exit 2; }
done

if [ -z "${ZERB32_PG_URI:-}" ]; then
  exec "$root/tools/pg-test-cluster.sh" "$0" "${arguments[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
details=$(mktemp "${TMPDIR:-/tmp}/zerb32-speed-report.XXXXXX")
export ZERB32_BENCH_SAMPLES=$work/samples ZERB32_BENCH_BUILD=$build
"$build/bench/bench_history_logs" "$root/samples/42.STE" "$work/logs"
load() { cut -d' ' -f1-3 /proc/loadavg; }
started=$(date -u '+%F %T') load_before=$(load)

# Runs one script, its report into the details; stops the run if it fails.
step() {
  "$@" >> "$details" 2>&1 || { echo "failed: $* (its report: $details)" >&2; exit 1; }
}
for ((round = 1; round <= rounds; ++round)); do
  echo "round $round of $rounds at $(date -u +%T), load $(load)" | tee -a "$details" >&2
  step "$root/bench/history-speed.sh" -n "$logs" -r 1 -l "$work/logs" "$cli"
  step python3 "$root/bench/merge-speed.py" -r 1 -k "$repeat" -n "$logs" -l "$work/logs" "$cli"
  step "$root/bench/cli-batch.sh" "$build" 0 1
  step "$root/bench/window-open.sh" "$build" 3
  step /usr/bin/python3 "$root/bench/python_read_bench.py" "$build" "$repeat"
done

echo "$rounds rounds from $started UTC, $logs logs a site; load average $load_before at the start, $(load) at the end"
python3 - "$work/samples" <<'PY'
import statistics, sys

# measure, its job, the floor's job, the floor, the clock, the target ratio
ROWS = [
    ("SQLite import", "sqlite:1", "sqlite3", "sqlite3 .import", "cpu", 1.3),
    ("PostgreSQL import", "postgres:1", "psql", "psql \\copy", "wall", 2.0),
    ("PostgreSQL, 2 importers", "pg-2:1", "postgres:1", "1 importer", "wall", 1.0),
    ("PostgreSQL, 4 importers", "pg-4:1", "postgres:1", "1 importer", "wall", 1.0),
    ("merge of 4 pieces", "merge:1", "convert", "converting", "cpu", 1.5),
    ("export of a site", "export:1", "scan", "sqlite3 scan", "cpu", 1.3),
    ("one log as a process", "long", "long-cp", "cp", "cpu", 1.75),
    ("window, 60 channels, painted", "window:60", "window:empty", "no log", "wall", 2.0),
    ("  the same, its process", "window-process:60", "window-process:empty", "no log", "cpu", None),
    ("read_log().to_pandas()", "to_pandas", "read_csv", "CLI + read_csv", "cpu", 0.1),
]
samples = {}
for line in open(sys.argv[1]):
    job, cpu, wall = line.split()
    s = samples.setdefault(job, {"cpu": [], "wall": []})
    s["cpu"].append(float(cpu))
    s["wall"].append(float(wall))
median = {job: {c: statistics.median(v) for c, v in s.items()} for job, s in samples.items()}

print(f"{'measure':30} {'clock':5} {'median s':>9} {'spread s':>17} {'floor':15} {'ratio':>6} {'target':>7} "
      f"{'met':4} {'other clock':>11}")
for name, job, floor, floor_name, clock, target in ROWS:
    if job not in samples or floor not in samples:
        print(f"{name:30} no samples")
        continue
    other = "wall" if clock == "cpu" else "cpu"
    ratio = median[job][clock] / median[floor][clock]
    other_ratio = median[job][other] / median[floor][other] if median[floor][other] else float("nan")
    spread = f"{min(samples[job][clock]):.3f}-{max(samples[job][clock]):.3f}"
    bound = "" if target is None else ("< " if target == 1.0 else "<= ") + f"{target:g}"
    met = "" if target is None else ("yes" if ratio <= target else "no")
    print(f"{name:30} {clock:5} {median[job][clock]:9.3f} {spread:>17} {floor_name:15} {ratio:6.2f} {bound:>7} "
          f"{met:4} {other_ratio:8.2f} {other}")
PY
echo "each script's own report: $details"
