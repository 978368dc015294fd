#!/usr/bin/env bash
# systemd-analyze verify on the watched-folder service, an instance of it
# running the built zerb32-cli: a setting it cannot parse fails the test
# too (verify only warns of those).
# Usage: watch_unit_test.sh UNIT ZERB32_CLI
set -uo pipefail
unit=$(realpath "$1") cli=$(realpath "$2")
command -v systemd-analyze >/dev/null || { echo "no systemd-analyze; skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed "s#/usr/bin/zerb32-cli#$cli#" "$unit" >"$work/zerb32-watch@.service"
said=$(cd "$work" && systemd-analyze verify --man=no "$work/zerb32-watch@site.service" 2>&1)
code=$?
echo "$said"
[ "$code" -eq 0 ] && [ -z "$said" ]
