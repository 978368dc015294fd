#!/bin/sh
# The real window on the sample under a virtual X server, photographed with
# ImageMagick's import: the strips are drawn when the picture holds their
# channels' colours (the first three of each strip's palette, the first
# also filling the Heating lane). Skipped (77) where xvfb-run or import is
# missing.
# Usage: screenshot_test.sh ZERB32 SOURCE_DIR VERSION
set -eu
window=$1 source=$2 version=$3
command -v xvfb-run >/dev/null || { echo "screenshot_test: skipped, xvfb-run is not installed"; exit 77; }
command -v import >/dev/null || { echo "screenshot_test: skipped, ImageMagick's import is not installed"; exit 77; }
command -v xwininfo >/dev/null || { echo "screenshot_test: skipped, xwininfo (x11-utils) is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source/samples/42.log" "$source/samples/42.STE" "$work/"

XDG_RUNTIME_DIR=$work ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1280x800x24" \
  env window="$window" work="$work" title="ZERB32 $version" sh -c '
  "$window" "$work/42.log" & pid=$!
  # import waits for a click when the window is not there yet: it runs
  # only once xwininfo finds the window mapped.
  for i in $(seq 60); do
    sleep 0.5
    xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable" || continue
    timeout 20 import -window "$title" "$work/shot.png" 2>/dev/null || continue
    convert "$work/shot.png" -format %c histogram:info:- > "$work/colours.txt"
    grep -qi "#009988" "$work/colours.txt" && break
  done
  kill $pid'

count() { grep -i "$1" "$work/colours.txt" | sed 's/^ *\([0-9]*\):.*/\1/' | head -n 1; }
for colour in 0077BB:2000 EE7733:150 009988:150; do
  name=${colour%%:*} least=${colour##*:}
  n=$(count "#$name"); n=${n:-0}
  if [ "$n" -lt "$least" ]; then
    echo "screenshot_test: #$name drawn on $n pixels, expected at least $least" >&2
    exit 1
  fi
  echo "screenshot_test: #$name on $n pixels"
done
