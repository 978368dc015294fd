#!/usr/bin/env bash
# Times the xlsx style from outside, on the longest log (65,536 rows of three
# channels) and a wide log (60 channels), against the classic CSV of the
# same log, against `zip -6` of the workbook's data sheet XML (the least
# any writer of the format does, deflating the sheet it must hold) and
# against libxlsxwriter alone writing the same cells (bench_xlsx_floor, the
# least the library the style writes through takes). Each
# measurement repeats the call CALLS times and is taken ROUNDS times, the
# kinds interleaved; the median wall and CPU (user + system) time is shown,
# and the peak memory (maximum resident set) of one call of each. On a busy
# machine the CPU times are the figures to compare. Figures are for people
# to read; no test asserts them.
#
#   bench/xlsx-speed.sh BUILD_DIR [ROUNDS] [CALLS]
# BUILD_DIR is a Release build holding cli/zerb32-cli, tools/zerb32-mkbatch
# and tools/zerb32-mklog; the library's column needs bench/bench_xlsx_floor
# as well (ZERB32_BENCH=ON) and stays empty without it.
set -euo pipefail

build=$(cd "$1" && pwd)
rounds=${2:-7}
calls=${3:-5}
cli=$build/cli/zerb32-cli
library_floor=$build/bench/bench_xlsx_floor
if [[ ! -x $library_floor ]]; then
  echo "no $library_floor (ZERB32_BENCH=ON builds it): no library column" >&2
  library_floor=
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The longest log as zerb32-mkbatch makes it (0long.log, the sample's site
# file beside it); a wide log of random values, some invalid (-1), 250 rows,
# about as many as a log's data area holds of such values.
"$build/tools/zerb32-mkbatch" "$(dirname "$0")/../samples/42.STE" "$work" 0
python3 - "$build/tools/zerb32-mklog" "$work/wide.log" <<'PY'
import random, subprocess, sys
rng = random.Random(3)
text = "interval = 300\npcTime = 1796040000\nsensors = " + " ".join(map(str, range(8, 48))) + \
       "\noutputs = " + " ".join(map(str, range(8, 28))) + "\n" + \
       "".join(" ".join(str(rng.choice((-1, rng.randint(-300, 900)))) for _ in range(60)) + "\n" for _ in range(250))
subprocess.run([sys.argv[1], "-", sys.argv[2]], input=text.encode(), check=True)
PY

now() { date +%s%N; }
# CPU time (user + system) of the finished children, from the output of the
# times builtin run in this shell, in microseconds.
children_cpu() { tail -n1 "$1" | sed 's/[ms]/ /g' | awk '{ printf "%d", ($1 * 60 + $2 + $3 * 60 + $4) * 1e6 }'; }
declare -A times cpu
repeat() { for ((i = 0; i < calls; ++i)); do "$@"; done; }
# The wide log comes without a site file: the warning that says so goes.
csv() { "$cli" -q -o "$work/out.CSV" "$work/$1.log" 2> /dev/null; }
xlsx() { "$cli" -q --style xlsx -o "$work/out.xlsx" "$work/$1.log" 2> /dev/null; }
floor() { rm -f "$work/floor.zip"; (cd "$work/$1-sheet" && zip -6 -q "$work/floor.zip" xl/worksheets/sheet1.xml); }
library() { "$library_floor" "$work/library.xlsx" "$work/$1.cells" "$work/$1.formats"; }
timed() {
  local label=$1 start
  shift
  times > "$work/cpu-before"
  start=$(now)
  repeat "$@"
  times[$label]+="$((($(now) - start) / 1000 / calls)) "
  times > "$work/cpu-after"
  cpu[$label]+="$((($(children_cpu "$work/cpu-after") - $(children_cpu "$work/cpu-before")) / calls)) "
}

for log in 0long wide; do
  xlsx $log
  mkdir -p "$work/$log-sheet" && (cd "$work/$log-sheet" && unzip -q "$work/out.xlsx" xl/worksheets/sheet1.xml xl/styles.xml)
  [[ -z $library_floor ]] || python3 "$(dirname "$0")/xlsx/sheet_cells.py" "$work/$log-sheet" "$work/$log.cells" "$work/$log.formats"
done
for ((round = 0; round < rounds; ++round)); do
  for log in 0long wide; do
    timed "$log-csv" csv $log
    timed "$log-xlsx" xlsx $log
    timed "$log-floor" floor $log
    [[ -z $library_floor ]] || timed "$log-library" library $log
  done
done

median() { tr ' ' '\n' | awk NF | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
peak() { /usr/bin/time -f '%M' -o "$work/peak" "$cli" -q -o "$work/peak-out" "$@" 2> /dev/null; cat "$work/peak"; }
# The median of a kind of time (wall, cpu) of a label, in microseconds.
figure() { if [[ $1 == wall ]]; then echo "${times[$2]-}"; else echo "${cpu[$2]-}"; fi | median; }
echo "median of $rounds interleaved rounds of $calls calls; ms a call, wall and CPU"
printf '%-8s %-5s %9s %9s %9s %9s %10s %10s %10s\n' log "" csv xlsx library floor "xlsx/csv" "xlsx/floor" \
  "lib/floor"
# Milliseconds and ratios of medians in microseconds; "-" where one is missing.
ms() { if [[ $1 ]]; then printf '%.1f' "$(echo "$1 / 1000" | bc -l)"; else echo -; fi; }
ratio() { if [[ $1 && $2 ]]; then printf '%.2f' "$(echo "$1 / $2" | bc -l)"; else echo -; fi; }
for log in 0long wide; do
  for kind in wall cpu; do
    c=$(figure $kind "$log-csv")
    x=$(figure $kind "$log-xlsx")
    l=$(figure $kind "$log-library")
    f=$(figure $kind "$log-floor")
    printf '%-8s %-5s %9s %9s %9s %9s %10s %10s %10s\n' $log $kind "$(ms "$c")" "$(ms "$x")" "$(ms "$l")" "$(ms "$f")" \
      "$(ratio "$x" "$c")" "$(ratio "$x" "$f")" "$(ratio "$l" "$f")"
  done
  memory="$log peak memory: csv $(peak "$work/$log.log") kB, xlsx $(peak --style xlsx "$work/$log.log") kB"
  if [[ $library_floor ]]; then
    /usr/bin/time -f '%M' -o "$work/peak" "$library_floor" "$work/library.xlsx" "$work/$log.cells" "$work/$log.formats"
    memory+=", library $(cat "$work/peak") kB (its cells held in memory)"
  fi
  echo "$memory"
done
echo "sheet XML: 0long $(stat -c %s "$work/0long-sheet/xl/worksheets/sheet1.xml") bytes, wide $(stat -c %s "$work/wide-sheet/xl/worksheets/sheet1.xml") bytes"
