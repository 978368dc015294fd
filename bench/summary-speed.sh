#!/usr/bin/env bash
# bench/summary-speed.sh [-r ROUNDS] CLI MKLOG: a year of 5-minute readings
# of 20 channels as 52 weekly logs (105,000 rows), made with MKLOG
# (zerb32-mklog), and timed round by round (ROUNDS, default 5), interleaved:
#   merge       `CLI merge` of the logs to the classic CSV
#   daily       `CLI merge --every 1d --style excel` of the same logs
#   daily-long  the same in the long style
# and, run inside tools/pg-test-cluster.sh (ZERB32_PG_URI set), with the
# logs imported into a new database of that server:
#   pg-daily    `CLI export --every 1d --style excel` from it
#   psql-daily  psql running the statement that export sent (taken from the
#               server's log), its rows thrown away
# Prints per job the median and the spread (min-max) in seconds, and each
# job's median as a multiple of its yardstick's (merge; psql-daily for
# pg-daily). Then the peak resident memory of the daily summary, and of the
# PostgreSQL export, over half the year and over the whole year: flat when
# the two agree (a merge holds the logs it merges, so its summary grows as
# the merge to CSV does). Measured, never asserted.
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
  [merge]="$cli merge -o $work/out.csv ${logs[*]}"
  [daily]="$cli merge --every 1d --style excel -o $work/out.csv ${logs[*]}"
  [daily-long]="$cli merge --every 1d --style long -o $work/out.csv ${logs[*]}"
)
order=(merge daily daily-long)
declare -A yardstick=([merge]=merge [daily]=merge [daily-long]=merge)

if [ -n "${ZERB32_PG_URI:-}" ]; then
  psql=$ZERB32_PG_BINDIR/psql
  "$psql" -X -q -d "$ZERB32_PG_URI" -c "CREATE DATABASE zerb32_summary" -c "ALTER DATABASE zerb32_summary SET log_statement = 'all'"
  db="postgresql:///zerb32_summary?host=$ZERB32_PG_SOCKET&port=$ZERB32_PG_PORT&user=zerb32"
  "$cli" import -q --db "$db" "${logs[@]}" 2> /dev/null
  "$psql" -X -q -d "$db" -c "VACUUM ANALYZE"
  "$cli" export --db "$db" --site 42 --every 1d --style excel -o "$work/out.csv" > /dev/null
  # The GROUP BY as the server logged it, its parameters put in.
  python3 - "$ZERB32_PG_DATA/server.log" "$work/daily.sql" <<'PY'
import re, sys
log = open(sys.argv[1], encoding="utf-8", errors="replace").read()
statement = [m for m in re.finditer(r"execute [^:]*: (WITH r AS .*?)\n(?:\S.*?DETAIL:  [Pp]arameters: (.*?)\n)?", log, re.S)][-1]
text, parameters = statement.group(1), statement.group(2) or ""
for name, value in reversed(re.findall(r"(\$\d+) = ('[^']*')", parameters)):
    text = text.replace(name, value)
open(sys.argv[2], "w").write(text + ";\n")
PY
  jobs[pg-daily]="$cli export --db $db --site 42 --every 1d --style excel -o $work/out.csv"
  jobs[psql-daily]="$psql -X -q -At -d $db -f $work/daily.sql -o /dev/null"
  order+=(pg-daily psql-daily)
  yardstick[pg-daily]=psql-daily
  yardstick[psql-daily]=psql-daily
fi

declare -A times
now() { date +%s.%N; }
for ((round = 0; round < rounds; ++round)); do
  for job in "${order[@]}"; do
    start=$(now)
    # shellcheck disable=SC2086
    ${jobs[$job]} > /dev/null 2>&1
    times[$job]+="$(echo "$(now) - $start" | bc) "
  done
done
median() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)], a[1], a[NR]}'; }
for job in "${order[@]}"; do
  read -r base _ _ <<< "$(echo "${times[${yardstick[$job]}]}" | median)"
  read -r mid low high <<< "$(echo "${times[$job]}" | median)"
  printf '%-11s %8.3f s  (%.3f-%.3f)  %.2fx %s\n' "$job" "$mid" "$low" "$high" "$(echo "$mid / $base" | bc -l)" \
    "${yardstick[$job]}"
done

# Peak resident memory (KiB) over 26 and 52 weeks.
peak() { /usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -1; }
half=("${logs[@]:0:26}")
printf 'peak merge     26 weeks %s KiB, 52 weeks %s KiB\n' \
  "$(peak "$cli" merge -o "$work/out.csv" "${half[@]}")" "$(peak "$cli" merge -o "$work/out.csv" "${logs[@]}")"
printf 'peak daily     26 weeks %s KiB, 52 weeks %s KiB\n' \
  "$(peak "$cli" merge --every 1d --style excel -o "$work/out.csv" "${half[@]}")" \
  "$(peak "$cli" merge --every 1d --style excel -o "$work/out.csv" "${logs[@]}")"
if [ -n "${ZERB32_PG_URI:-}" ]; then
  printf 'peak pg-daily  26 weeks %s KiB, 52 weeks %s KiB\n' \
    "$(peak "$cli" export --db "$db" --site 42 --to 2026-07-01 --every 1d --style excel -o "$work/out.csv")" \
    "$(peak "$cli" export --db "$db" --site 42 --every 1d --style excel -o "$work/out.csv")"
fi
