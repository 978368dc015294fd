#!/usr/bin/env bash
# The programs as `cmake --install` lays them out (into a temporary DESTDIR):
# the installed zerb32-cli and Python module find the zone plugin at their
# own install's place, and never fall back on the build folder's plugin.
# Usage: install_layout_test.sh CMAKE BUILD_DIR SOURCE_DIR
# (the environment lets python load the module of this build)
set -euo pipefail
cmake=$1 build=$(realpath "$2") root=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install_layout_test: $*" >&2; exit 1; }

DESTDIR=$work/installed "$cmake" --install "$build" >/dev/null
cli=$(find "$work/installed" -path '*/bin/zerb32-cli')
plugin=$(find "$work/installed" -name 'libzerb32-zones.so')
[ -x "$cli" ] && [ -f "$plugin" ] || fail "no zerb32-cli or zone plugin installed"
cp "$root/samples/42.log" "$root/samples/42.STE" "$work/"

"$cli" -q --style pandas --tz Europe/Berlin -o "$work/zoned.csv" "$work/42.log"
grep -q '^2026-11-28T11:00:00Z,' "$work/zoned.csv" || fail "the installed zerb32-cli gave no Berlin times"

module=$(find "$work/installed" -name '_core*.so' -path '*/zerb32/*')
if [ -n "$module" ]; then
  first=$(PYTHONPATH=$(dirname "$(dirname "$module")") /usr/bin/python3 -c \
    'import sys, zerb32; print(zerb32.read_log(sys.argv[1], tz="Europe/Berlin").times[0])' "$work/42.log")
  [ "$first" = 2026-11-28T11:00:00 ] || fail "the installed module read the first time as $first"
fi

# Without the installed plugin a zone is refused, naming the installed
# place: the build folder's plugin, which is still there, is not used.
rm "$plugin"
if out=$("$cli" -q --tz Europe/Berlin -o "$work/again.csv" "$work/42.log" 2>&1); then
  fail "a zone was found without the installed plugin"
fi
case "$out" in
  *"time zones are not available: $plugin"*) ;;
  *) fail "unexpected refusal: $out" ;;
esac
echo "install_layout_test: the installed program and module use the installed zone plugin"
