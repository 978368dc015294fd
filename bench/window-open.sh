#!/bin/sh
# The window opened under a virtual X server, interleaved round by round:
# on no log (the bare controls), on a 60-channel and a 260-channel log (as
# many rows as each holds). Per case the median of the rounds of the whole
# process (start to painted and gone) and of the time to painted inside it;
# then, in a process of its own, the median wheel step over the 260-channel
# log. Figures are read by people, never asserted.
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
      figures=$("$program" "$@")
      end=$(date +%s%N)
      echo "$case $(( (end - start) / 1000 )) $figures"
    done
  done' > "$folder/rounds.txt"

python3 - "$folder/rounds.txt" <<'PY'
import statistics, sys
cases = {}
for line in open(sys.argv[1]):
    case, micros, painted, wheel = line.split()
    c = cases.setdefault(case, {"process": [], "painted": [], "wheel": []})
    c["process"].append(int(micros) / 1000)
    c["painted"].append(float(painted.split("=")[1]))
    c["wheel"].append(float(wheel.split("=")[1]))
med = {k: {m: statistics.median(v) for m, v in c.items()} for k, c in cases.items()}
for case in ("empty", "60", "260"):
    m = med[case]
    print(f"{case:>6}: process {m['process']:7.1f} ms, painted after {m['painted']:7.1f} ms")
print(f"260-channel log: wheel step {med['wheel']['wheel']:.2f} ms (median of 21 per round)")
for case in ("60", "260"):
    print(f"{case}-channel log vs no log: process {med[case]['process'] / med['empty']['process']:.2f}x, "
          f"painted {med[case]['painted'] / med['empty']['painted']:.2f}x")
PY
