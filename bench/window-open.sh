#!/bin/sh
# The window opened under a virtual X server, interleaved round by round:
# on no log (the bare controls), on a 60-channel and a 260-channel log (as
# many rows as each holds). Per case the median of the rounds of the whole
# process (start to painted and gone), of its CPU time and of the time to
# painted inside it; then, in a process of its own, the median wheel step
# over the 260-channel log. Figures are read by people, never asserted.
# Each round's cases are also appended to $ZERB32_BENCH_SAMPLES, where set,
# as lines "window:CASE CPU PAINTED" and "window-process:CASE CPU WALL"
# (seconds; bench/speed-report.sh gathers them).
#   bench/window-open.sh BUILD [ROUNDS]      (BUILD: a Release build with ZERB32_BENCH=ON)
set -eu
build=$1
rounds=${2:-15}
program=$build/bench/bench_window_open
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$program" --make-logs "$folder"

# The rounds run in one shell under one server.
XDG_RUNTIME_DIR=$folder xvfb-run -a -s "-screen 0 1600x1000x24" env program="$program" folder="$folder" rounds="$rounds" sh -c '
  for r in $(seq "$rounds"); do
    for case in empty 60 260 wheel; do
      case $case in
        empty) set -- ;;
        wheel) set -- --wheel 21 "$folder/260.log" ;;
        *) set -- "$folder/$case.log" ;;
      esac
      start=$(date +%s%N)
      figures=$(/usr/bin/time -f "%U %S" -o "$folder/cpu" "$program" "$@")
      end=$(date +%s%N)
      echo "$case $(( (end - start) / 1000 )) $figures cpu_s=$(awk "{ print \$1 + \$2 }" "$folder/cpu")"
    done
  done' > "$folder/rounds.txt"

python3 - "$folder/rounds.txt" <<'PY'
import os, statistics, sys
cases = {}
samples = open(os.environ["ZERB32_BENCH_SAMPLES"], "a") if os.environ.get("ZERB32_BENCH_SAMPLES") else None
for line in open(sys.argv[1]):
    case, micros, *figures = line.split()
    figures = {k: float(v) for k, v in (f.split("=") for f in figures)}
    c = cases.setdefault(case, {"process": [], "painted": [], "wheel": [], "cpu": []})
    c["process"].append(int(micros) / 1000)
    c["painted"].append(figures["painted_ms"])
    c["wheel"].append(figures["wheel_ms"])
    c["cpu"].append(figures["cpu_s"] * 1000)
    if samples and case != "wheel":
        samples.write(f"window:{case} {figures['cpu_s']:.3f} {figures['painted_ms'] / 1000:.4f}\n")
        samples.write(f"window-process:{case} {figures['cpu_s']:.3f} {int(micros) / 1e6:.4f}\n")
med = {k: {m: statistics.median(v) for m, v in c.items()} for k, c in cases.items()}
for case in ("empty", "60", "260"):
    m = med[case]
    print(f"{case:>6}: process {m['process']:7.1f} ms (CPU {m['cpu']:6.0f} ms), painted after {m['painted']:7.1f} ms")
print(f"260-channel log: wheel step {med['wheel']['wheel']:.2f} ms (median of 21 per round)")
for case in ("60", "260"):
    print(f"{case}-channel log vs no log: process {med[case]['process'] / med['empty']['process']:.2f}x, "
          f"painted {med[case]['painted'] / med['empty']['painted']:.2f}x")
PY
