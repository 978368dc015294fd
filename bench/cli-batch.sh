#!/usr/bin/env bash
# Times zerb32-cli from outside, as a user's batch sees it, against cp of the
# same finished outputs: a batch of COUNT logs in one call with -j 1 and
# -j 2, the same logs as COUNT separate calls, the batch again over existing
# outputs, and the longest log (65,536 rows) as a whole process. Every
# measurement is taken ROUNDS times, the kinds interleaved; the median is
# shown. Figures are for people to read; no test asserts them.
#
#   bench/cli-batch.sh BUILD_DIR [COUNT] [ROUNDS]
# BUILD_DIR is a Release build holding cli/zerb32-cli and tools/zerb32-mkbatch.
# BASE_CLI=path/to/another/zerb32-cli adds its batch and longest log, for a
# before-and-after comparison in the same rounds.
set -euo pipefail

build=$(cd "$1" && pwd)
count=${2:-1000}
rounds=${3:-5}
cli=$build/cli/zerb32-cli
work=$build/cli-batch
rm -rf "$work"
mkdir -p "$work/logs" "$work/ref" "$work/copy"
"$build/tools/zerb32-mkbatch" "$(dirname "$0")/../samples/42.STE" "$work/logs" "$count"

logs=()
for ((n = 1; n <= count; ++n)); do logs+=("$work/logs/$n.log"); done
"$cli" -q "${logs[@]}" "$work/logs/0long.log"
mv "$work"/logs/*.CSV "$work/ref/"
megabytes=$(du -cm "$work"/ref/[1-9]*.CSV | tail -n1 | cut -f1)

now() { date +%s%N; }
# CPU time (user + system) of the finished children, from the output of the
# times builtin (run in this shell: in a $(...) subshell it would count the
# subshell's own children), in microseconds.
children_cpu() { tail -n1 "$1" | sed 's/[ms]/ /g' | awk '{ printf "%d", ($1 * 60 + $2 + $3 * 60 + $4) * 1e6 }'; }
declare -A times cpu
# Adds one wall time and one CPU time in microseconds of "$@" to
# times[$label] and cpu[$label].
timed() {
  local label=$1 start end
  shift
  times > "$work/times-before"
  start=$(now)
  "$@" > /dev/null
  end=$(now)
  times > "$work/times-after"
  times[$label]+="$(((end - start) / 1000)) "
  cpu[$label]+="$(($(children_cpu "$work/times-after") - $(children_cpu "$work/times-before"))) "
}
clear_outputs() { rm -f "$work"/logs/*.CSV "$work"/copy/*; }
separate_calls() { for log in "${logs[@]}"; do "$cli" -q "$log"; done; }
copy_outputs() { cp "$work"/ref/[1-9]*.CSV "$work/copy/"; }
long_call() { for i in 1 2 3 4 5 6 7 8 9 10; do "$cli" -q -o "$work/copy/long$i.CSV" "$work/logs/0long.log"; done; }
base_long_call() { for i in 1 2 3 4 5 6 7 8 9 10; do "$BASE_CLI" -o "$work/copy/long$i.CSV" "$work/logs/0long.log"; done; }
long_copy() { for i in 1 2 3 4 5 6 7 8 9 10; do cp "$work/ref/0long.CSV" "$work/copy/long$i.CSV"; done; }

for ((round = 0; round < rounds; ++round)); do
  clear_outputs; sync; timed cp copy_outputs
  clear_outputs; sync; timed j1 "$cli" -q -j 1 "${logs[@]}"
  clear_outputs; sync; timed j2 "$cli" -q -j 2 "${logs[@]}"
  sync; timed j2-replace "$cli" -q -j 2 "${logs[@]}"
  clear_outputs; sync; timed separate separate_calls
  clear_outputs; sync; timed long-cp long_copy
  clear_outputs; sync; timed long long_call
  if [[ -n ${BASE_CLI:-} ]]; then
    clear_outputs; sync; timed base-j1 "$BASE_CLI" "${logs[@]}"
    clear_outputs; sync; timed base-long base_long_call
  fi
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
cp_us=$(echo "${times[cp]}" | median)
echo "$count logs, $megabytes MB of CSV; median of $rounds interleaved rounds"
cp_cpu=$(echo "${cpu[cp]}" | median)
printf '%-12s %9s %9s %8s %9s %8s\n' "" "wall ms" "logs/s" "x cp" "CPU ms" "x cp"
for label in cp j1 j2 j2-replace separate ${BASE_CLI:+base-j1}; do
  us=$(echo "${times[$label]}" | median)
  cpu_us=$(echo "${cpu[$label]}" | median)
  printf '%-12s %9.1f %9.0f %8.2f %9.1f %8.2f\n' "$label" "$(echo "$us / 1000" | bc -l)" \
    "$(echo "$count * 1000000 / $us" | bc -l)" "$(echo "$us / $cp_us" | bc -l)" \
    "$(echo "$cpu_us / 1000" | bc -l)" "$(echo "$cpu_us / $cp_cpu" | bc -l)"
done
long_report() {
  local us cp_us cpu_us cp_cpu_us
  us=$(echo "${times[$1]}" | median); cp_us=$(echo "${times[long-cp]}" | median)
  cpu_us=$(echo "${cpu[$1]}" | median); cp_cpu_us=$(echo "${cpu[long-cp]}" | median)
  printf '%s: %.2f ms a call (%.2fx cp of %.2f ms); CPU %.2f ms (%.2fx cp of %.2f ms)\n' "$2" \
    "$(echo "$us / 10000" | bc -l)" "$(echo "$us / $cp_us" | bc -l)" "$(echo "$cp_us / 10000" | bc -l)" \
    "$(echo "$cpu_us / 10000" | bc -l)" "$(echo "$cpu_us / $cp_cpu_us" | bc -l)" "$(echo "$cp_cpu_us / 10000" | bc -l)"
}
long_report long "longest log"
if [[ -n ${BASE_CLI:-} ]]; then long_report base-long "longest log, BASE_CLI"; fi
clear_outputs
peak=$( { /usr/bin/time -f '%M' "$cli" -q -j 2 "${logs[@]}" > /dev/null; } 2>&1 | tail -n1)
half=$( { /usr/bin/time -f '%M' "$cli" -q -j 2 "${logs[@]:0:$((count / 10))}" > /dev/null; } 2>&1 | tail -n1)
echo "peak memory, -j 2: $peak kB for $count logs, $half kB for $((count / 10))"
