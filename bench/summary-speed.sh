#!/usr/bin/env bash
# bench/summary-speed.sh [-r ROUNDS] CLI MKLOG: a year of 5-minute readings
# of 20 channels as 52 weekly logs (105,000 rows), made with MKLOG
# (zerb32-mklog), and timed round by round (ROUNDS, default 5), interleaved:
#   merge       `CLI merge` of the logs to the classic CSV
#   daily       `CLI merge --every 1d --style excel` of the same logs
#   daily-long  the same in the long style
# Prints per job the median and the spread (min-max) in seconds, and each
# summary's median as a multiple of merge's. Measured, never asserted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=5
while getopts r: option; do
  case $option in
    r) rounds=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ "$#" -eq 2 ] || { echo "usage: $0 [-r ROUNDS] CLI MKLOG" >&2; exit 2; }
cli=$1 mklog=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/samples/42.STE" "$work/"
# Log k holds week k: 2,016 rows of 16 sensors and 4 outputs that wander
# (the outputs switch now and then).
python3 - "$work" "$mklog" <<'PY'
import random, subprocess, sys
work, mklog = sys.argv[1:3]
rng = random.Random(1)
row = [rng.randint(100, 300) for _ in range(16)] + [0, 0, 0, 0]
start = 1767225600  # 2026-01-01
for week in range(52):
    newest = start + (week + 1) * 2016 * 300 - 300
    lines = ["interval = 300", f"pcTime = {newest}", f"lanTime = {newest}", f"localLanTime = {newest}",
             "sensors = " + " ".join(str(8 + i) for i in range(16)), "outputs = 8 9 10 11"]
    for _ in range(2016):
        row = [v + rng.randint(-2, 2) for v in row[:16]] + [v ^ (rng.random() < 0.05) for v in row[16:]]
        lines.append(" ".join(map(str, row)))
    subprocess.run([mklog, "-", f"{work}/42_{week:02d}.log"], check=True, input=("\n".join(lines) + "\n").encode())
PY
logs=("$work"/42_*.log)

declare -A jobs=(
  [merge]="merge -o $work/out.csv"
  [daily]="merge --every 1d --style excel -o $work/out.csv"
  [daily-long]="merge --every 1d --style long -o $work/out.csv"
)
order=(merge daily daily-long)
declare -A times
now() { date +%s.%N; }
for ((round = 0; round < rounds; ++round)); do
  for job in "${order[@]}"; do
    start=$(now)
    # shellcheck disable=SC2086
    "$cli" ${jobs[$job]} "${logs[@]}" > /dev/null 2>&1
    times[$job]+="$(echo "$(now) - $start" | bc) "
  done
done
median() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)], a[1], a[NR]}'; }
read -r base _ _ <<< "$(echo "${times[merge]}" | median)"
for job in "${order[@]}"; do
  read -r mid low high <<< "$(echo "${times[$job]}" | median)"
  printf '%-11s %8.3f s  (%.3f-%.3f)  %.2fx merge\n' "$job" "$mid" "$low" "$high" "$(echo "$mid / $base" | bc -l)"
done
