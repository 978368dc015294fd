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
# A COUNT of 0 times the longest log alone. Samples go to
# $ZERB32_BENCH_SAMPLES too (bench/samples.sh).
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

# shellcheck source=bench/samples.sh
. "$(dirname "$0")/samples.sh"
bench_scratch=$work/times
timed() { local label=$1; shift; measure "$label" "$@" > /dev/null; }
clear_outputs() { rm -f "$work"/logs/*.CSV "$work"/copy/*; }
separate_calls() { for log in "${logs[@]}"; do "$cli" -q "$log"; done; }
copy_outputs() { cp "$work"/ref/[1-9]*.CSV "$work/copy/"; }
long_call() { for i in 1 2 3 4 5 6 7 8 9 10; do "$cli" -q -o "$work/copy/long$i.CSV" "$work/logs/0long.log"; done; }
base_long_call() { for i in 1 2 3 4 5 6 7 8 9 10; do "$BASE_CLI" -o "$work/copy/long$i.CSV" "$work/logs/0long.log"; done; }
long_copy() { for i in 1 2 3 4 5 6 7 8 9 10; do cp "$work/ref/0long.CSV" "$work/copy/long$i.CSV"; done; }

for ((round = 0; round < rounds; ++round)); do
  if ((count > 0)); then
    clear_outputs; sync; timed cp copy_outputs
    clear_outputs; sync; timed j1 "$cli" -q -j 1 "${logs[@]}"
    clear_outputs; sync; timed j2 "$cli" -q -j 2 "${logs[@]}"
    sync; timed j2-replace "$cli" -q -j 2 "${logs[@]}"
    clear_outputs; sync; timed separate separate_calls
  fi
  clear_outputs; sync; timed long-cp long_copy
  clear_outputs; sync; timed long long_call
  if [[ -n ${BASE_CLI:-} ]]; then
    clear_outputs; sync; timed base-j1 "$BASE_CLI" "${logs[@]}"
    clear_outputs; sync; timed base-long base_long_call
  fi
done

# The median of a job's samples, in milliseconds: wall_of or cpu_of.
median_ms() { local -n samples=$1; echo "${samples[$2]}" | median | awk '{ print $1 * 1000 }'; }
if ((count > 0)); then
  megabytes=$(du -cm "$work"/ref/[1-9]*.CSV | tail -n1 | cut -f1)
  echo "$count logs, $megabytes MB of CSV; median of $rounds interleaved rounds"
  cp_ms=$(median_ms wall_of cp) cp_cpu=$(median_ms cpu_of cp)
  printf '%-12s %9s %9s %8s %9s %8s\n' "" "wall ms" "logs/s" "x cp" "CPU ms" "x cp"
  for label in cp j1 j2 j2-replace separate ${BASE_CLI:+base-j1}; do
    ms=$(median_ms wall_of "$label") cpu_ms=$(median_ms cpu_of "$label")
    printf '%-12s %9.1f %9.0f %8.2f %9.1f %8.2f\n' "$label" "$ms" "$(echo "$count * 1000 / $ms" | bc -l)" \
      "$(echo "$ms / $cp_ms" | bc -l)" "$cpu_ms" "$(echo "$cpu_ms / $cp_cpu" | bc -l)"
  done
fi
long_report() {
  local ms cp_ms cpu_ms cp_cpu_ms
  ms=$(median_ms wall_of "$1") cp_ms=$(median_ms wall_of long-cp)
  cpu_ms=$(median_ms cpu_of "$1") cp_cpu_ms=$(median_ms cpu_of long-cp)
  printf '%s: %.2f ms a call (%.2fx cp of %.2f ms); CPU %.2f ms (%.2fx cp of %.2f ms)\n' "$2" \
    "$(echo "$ms / 10" | bc -l)" "$(echo "$ms / $cp_ms" | bc -l)" "$(echo "$cp_ms / 10" | bc -l)" \
    "$(echo "$cpu_ms / 10" | bc -l)" "$(echo "$cpu_ms / $cp_cpu_ms" | bc -l)" "$(echo "$cp_cpu_ms / 10" | bc -l)"
}
long_report long "longest log"
if [[ -n ${BASE_CLI:-} ]]; then long_report base-long "longest log, BASE_CLI"; fi
clear_outputs
((count > 0)) || exit 0
peak=$( { /usr/bin/time -f '%M' "$cli" -q -j 2 "${logs[@]}" > /dev/null; } 2>&1 | tail -n1)
half=$( { /usr/bin/time -f '%M' "$cli" -q -j 2 "${logs[@]:0:$((count / 10))}" > /dev/null; } 2>&1 | tail -n1)
echo "peak memory, -j 2: $peak kB for $count logs, $half kB for $((count / 10))"
