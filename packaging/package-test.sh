#!/usr/bin/env bash
# The Debian package as a user gets it: installed with apt-get from the .deb,
# the installed zerb32-cli converts the sample outside the build tree to the
# bytes of tests/golden/42-default.CSV, and the package goes again, whatever
# happened on the way. Before that, no file of the package may name the
# build or the source folder. A zerb32 installed before is left alone: the test
# refuses to run then.
# Usage: package-test.sh DEB [SOURCE_DIR]
set -euo pipefail
deb=$(realpath "$1")
root=$(realpath "${2:-.}")
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

if dpkg-query -W -f='${Status}' zerb32 2>/dev/null | grep -q 'install ok installed'; then
  echo "package-test: zerb32 is installed already; remove it first (the test installs and removes it)" >&2
  exit 1
fi

work=$(mktemp -d)
installed=0
cleanup() {
  local status=$?
  if [ "$installed" -eq 1 ]; then
    "${as_root[@]}" apt-get remove -y -qq zerb32 >/dev/null || status=1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# No path of the machine that built the package in any of its files: not
# the build folder (the .deb's) nor the source folder, also inside the
# compressed manual pages and changelog.
dpkg-deb -x "$deb" "$work/contents"
find "$work/contents" -type f -name '*.gz' -exec gunzip -f {} +
for folder in "$(dirname "$deb")" "$root"; do
  if found=$(grep -rlaF -- "$folder/" "$work/contents"); then
    echo "package-test: files of the package name $folder/:" >&2
    for file in $found; do strings -a "$file" | grep -F -- "$folder/" | sed "s|^|  ${file#"$work/contents"}: |" >&2; done
    exit 1
  fi
done
rm -rf "$work/contents"

installed=1  # from here on a half-done install is removed as well
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

cli=/usr/bin/zerb32-cli
"$cli" --version
cp "$root/samples/42.log" "$root/samples/42.STE" "$work/"
printed=$(cd "$work" && "$cli" 42.log)
[ "$printed" = 42.CSV ] || { echo "package-test: printed '$printed', not 42.CSV" >&2; exit 1; }
cmp "$work/42.CSV" "$root/tests/golden/42-default.CSV"
# A time zone, from the installed zone plugin.
(cd "$work" && "$cli" -q --style pandas --tz Europe/Berlin -o zoned.csv 42.log)
grep -q '^2026-11-28T11:00:00Z,' "$work/zoned.csv" ||
  { echo "package-test: --tz Europe/Berlin did not give Berlin times" >&2; exit 1; }
# The store commands load SQLite when they run (the package depends on it).
(cd "$work" && "$cli" import --db site.db 42.log >/dev/null && "$cli" history --db site.db >/dev/null)

# The sample drawn without a window.
zerb32-plot "$work/42.log" -o "$work/42.svg"
grep -q '<svg' "$work/42.svg" || { echo "package-test: zerb32-plot drew no SVG" >&2; exit 1; }

# What the package puts beside the programs.
for file in /usr/share/man/man1/zerb32-cli.1.gz /usr/share/man/man1/zerb32.1.gz /usr/share/man/man1/zerb32-plot.1.gz \
  /usr/share/bash-completion/completions/zerb32-cli /usr/share/mime/packages/zerb32.xml \
  /usr/share/applications/zerb32.desktop /usr/share/doc/zerb32/copyright; do
  [ -f "$file" ] || { echo "package-test: $file is not installed" >&2; exit 1; }
done
echo "package-test: installed, converted the sample to the golden bytes, stored it; removing"
