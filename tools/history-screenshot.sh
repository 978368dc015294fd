#!/bin/sh
# A month of one site's history in the window, photographed under a virtual
# X server: fifteen two-day downloads of the sample site (its site file,
# readings with a daily cycle and a slow drift), two of them missing half a
# day before them, imported into an SQLite store and opened with
# `zerb32 --history`. Writes OUT (docs/history.png from `make screenshot`).
# Usage: history-screenshot.sh BUILD_DIR SOURCE_DIR VERSION OUT
set -eu
build=$1 source=$2 version=$3 out=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import math, os, sys
work = sys.argv[1]
interval, rows = 300, 2 * 288
start = 1793534400  # 2026-11-01 12:00 civil
for n in range(15):
    first = start + n * rows * interval
    late = 43200 if n in (5, 11) else 0  # half a day missing before these
    lines = ["description = Riverside month", "interval = 300",
             "sensors = 8 11 0xFF 17", "sensorsB = 18 26", "outputs = 8 9",
             "asms = %d 0" % (2 | (1 << 5) | (3 << 9))]
    first += late
    count = rows - late // interval
    lines.append("pcTime = %d" % (first + (count - 1) * interval))
    lines.append("newEntryCount = %d" % (count // 2))
    for r in range(count):
        t = first + r * interval
        day = ((t % 86400) / 3600.0 - 15) / 24 * 2 * math.pi
        drift = math.sin((t - start) / (30 * 86400.0) * 2 * math.pi)
        occupied = 7 <= (t % 86400) / 3600.0 < 19
        heating = 1 if occupied and math.cos(r * 0.9) > 0.2 else 0
        lines.append(" ".join(str(int(v)) for v in (
            675 - 40 * math.cos(day) - 25 * drift, 62 if occupied else 51, 120 - 4 * math.cos(day),
            540 + 100 * math.cos(day), 450 + 15 * math.cos(day), 2 * heating, 600 * heating,
            210 if occupied else 160)))
    folder = os.path.join(work, "download%02d" % n)
    os.makedirs(folder)
    with open(os.path.join(folder, "42.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")
PY
for folder in "$work"/download*; do
  "$build/tools/zerb32-mklog" "$folder/42.txt" "$folder/42.log"
  cp "$source/samples/42.STE" "$folder/"
done
"$build/cli/zerb32-cli" import --db "$work/month.db" -q --no-progress "$work"/download*/42.log

XDG_RUNTIME_DIR=$work ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1280x800x24" \
  env window="$build/ui/zerb32" store="$work/month.db" title="ZERB32 $version" out="$out" sh -c '
  "$window" --history "$store" & pid=$!; status=1
  for i in $(seq 20); do
    sleep 1
    xwininfo -name "$title" 2>/dev/null | grep -q IsViewable || continue
    sleep 2
    if timeout 20 import -window "$title" "$out" 2>/dev/null; then status=0; break; fi
  done
  kill $pid; exit $status'
echo "Wrote $out"
