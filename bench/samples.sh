# shellcheck shell=bash
# Sourced by the bench/ shell drivers: one job timed from outside.
#
#   measure JOB COMMAND...
# runs COMMAND in this shell and adds its wall time and its CPU time (user +
# system of the child processes that finished meanwhile, with theirs) in
# seconds to wall_of[JOB] and cpu_of[JOB], space-separated. Where
# $ZERB32_BENCH_SAMPLES names a file, each sample is also appended to it
# as one line "JOB CPU WALL", for bench/speed-report.sh. The caller sets
# bench_scratch to a file path it may overwrite.

declare -A wall_of cpu_of

# Seconds of user + system time of the finished children, from the second
# line `times` wrote into FILE.
children_cpu_seconds() { tail -n1 "$1" | sed 's/[ms]/ /g' | awk '{ printf "%.3f", $1 * 60 + $2 + $3 * 60 + $4 }'; }

measure() {
  local job=$1 start wall cpu
  shift
  # `times` runs here: in a $(...) subshell it would see that subshell's children.
  times > "${bench_scratch:?}.before"
  start=$(date +%s.%N)
  "$@"
  wall=$(echo "$(date +%s.%N) - $start" | bc)
  times > "$bench_scratch.after"
  cpu=$(echo "$(children_cpu_seconds "$bench_scratch.after") - $(children_cpu_seconds "$bench_scratch.before")" | bc)
  wall_of[$job]+="$wall " cpu_of[$job]+="$cpu "
  [ -z "${ZERB32_BENCH_SAMPLES:-}" ] || echo "$job $cpu $wall" >> "$ZERB32_BENCH_SAMPLES"
}

# median < "SAMPLES": the median, the least and the greatest, of numbers
# separated by spaces or lines.
median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'; }
