#!/usr/bin/env bash
# fuzz/run.sh SECONDS ARTIFACTS [TARGET...]: runs each libFuzzer target of
# build/fuzz (or $FUZZDIR) over its seed corpus and regression inputs, then
# fuzzes it for SECONDS (0: replay only). New corpus entries go to
# $FUZZDIR/corpus/<target>; a crash, leak, timeout or failed check is written
# to ARTIFACTS/<target>/ and makes the script fail. $FUZZ_PARALLEL targets
# run at once (default 2).
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?seconds}
artifacts=${2:?artifact folder}
shift 2
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(site log integer paths store)
fuzzdir=${FUZZDIR:-build/fuzz}
parallel=${FUZZ_PARALLEL:-2}

run_one() {
  local t=$1 log=$fuzzdir/logs/$1.log
  # Git keeps no empty folder: a target without regression inputs has none.
  mkdir -p "$fuzzdir/corpus/$t" "$artifacts/$t" "$fuzzdir/logs" "tests/fuzz-regressions/$t"
  local args=(-artifact_prefix="$artifacts/$t/" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1)
  if [ "$seconds" -gt 0 ]; then
    args+=(-max_total_time="$seconds")
  else
    args+=(-runs=0)
  fi
  # The first folder takes what the fuzzer finds; the seeds and the
  # regression inputs are only read.
  nice "$fuzzdir/fuzz/fuzz_$t" "${args[@]}" "$fuzzdir/corpus/$t" "fuzz/corpus/$t" "tests/fuzz-regressions/$t" \
    >"$log" 2>&1
}

status=0
passed=0
failed=0
pids=()
names=()
finish() {
  local i=$1
  if wait "${pids[$i]}"; then
    passed=$((passed + 1))
    echo "fuzz_${names[$i]}: $(grep -E '^(#[0-9]+.*(DONE|INITED)|stat::number_of_executed_units|stat::new_units_added)' \
      "$fuzzdir/logs/${names[$i]}.log" | tr '\n' ' ')"
  else
    status=1
    failed=$((failed + 1))
    echo "fuzz_${names[$i]}: FINDING (log: $fuzzdir/logs/${names[$i]}.log, input in $artifacts/${names[$i]}/)"
    grep -vE '^#[0-9]+' "$fuzzdir/logs/${names[$i]}.log" | tail -n 60
  fi
}
for t in "${targets[@]}"; do
  [ -x "$fuzzdir/fuzz/fuzz_$t" ] || { echo "no fuzz target $fuzzdir/fuzz/fuzz_$t"; exit 2; }
  run_one "$t" &
  pids+=($!)
  names+=("$t")
  if [ "${#pids[@]}" -ge "$parallel" ]; then
    finish 0
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
  fi
done
for i in "${!pids[@]}"; do finish "$i"; done
echo "fuzz: $passed passed, $failed failed"
exit $status
