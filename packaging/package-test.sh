#!/usr/bin/env bash
# The Debian packages as a user gets them, installed with apt-get from the
# .deb files. First zerb32-cli alone, as on a server: nothing it depends on
# or recommends, however far down, is Qt, X or Python; the installed
# zerb32-cli converts the sample outside the build tree to the bytes of
# tests/golden/42-default.CSV and stores it. Then zerb32 and python3-zerb32
# beside it: zerb32-plot draws, the module reads the sample, and every file
# the packages put beside the programs is there. The packages go again,
# whatever happened on the way. Before that, no file of any package may name
# the build or the source folder. A package of these installed before is
# left alone: the test refuses to run then.
# Usage: package-test.sh PACKAGE_DIR [SOURCE_DIR]
# (PACKAGE_DIR holds zerb32-cli_*.deb, zerb32_*.deb and python3-zerb32_*.deb)
set -euo pipefail
dir=$(realpath "$1")
root=$(realpath "${2:-.}")
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

packages=(zerb32-cli zerb32 python3-zerb32)
declare -A deb
for package in "${packages[@]}"; do
  deb[$package]=$(ls -t "$dir/${package}"_*.deb 2>/dev/null | head -n 1)
  [ -n "${deb[$package]}" ] || { echo "package-test: no ${package}_*.deb in $dir" >&2; exit 1; }
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "package-test: $package is installed already; remove it first (the test installs and removes it)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
installed=0
cleanup() {
  local status=$?
  if [ "$installed" -eq 1 ]; then
    "${as_root[@]}" apt-get remove -y -qq "${packages[@]}" >/dev/null || status=1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# No path of the machine that built the packages in any of their files:
# not the build folder (the .deb's) nor the source folder, also inside the
# compressed manual pages and changelogs.
for package in "${packages[@]}"; do
  rm -rf "$work/contents"
  dpkg-deb -x "${deb[$package]}" "$work/contents"
  find "$work/contents" -type f -name '*.gz' -exec gunzip -f {} +
  for folder in "$dir" "$root"; do
    if found=$(grep -rlaF -- "$folder/" "$work/contents"); then
      echo "package-test: files of $package name $folder/:" >&2
      for file in $found; do strings -a "$file" | grep -F -- "$folder/" | sed "s|^|  ${file#"$work/contents"}: |" >&2; done
      exit 1
    fi
  done
done
rm -rf "$work/contents"

# What zerb32-cli brings onto a server: its dependencies and recommendations
# and theirs, whatever this machine has installed already.
wanted=$(dpkg-deb -f "${deb[zerb32-cli]}" Depends Recommends | sed 's/^[A-Za-z-]*: //' | tr ',|' '\n\n' |
  sed 's/(.*)//; s/:any//; s/ //g' | grep -v '^$' | sort -u)
# shellcheck disable=SC2086
closure=$(apt-cache depends --recurse --no-suggests --no-conflicts --no-breaks --no-replaces --no-enhances $wanted |
  grep -v '^ ' | tr -d '<>' | sort -u)
x='^libx(11|cb|au|dmcp|ext|render|kb|i[0-9]|randr|fixes|cursor|inerama|damage|composite|shmfence|xf86)|^x11-|^xserver|^xkb-data'
if foreign=$(grep -E "(^|-)qt|^libqt|$x|^libwayland|^libgl|^libegl|^libdrm|python" <<<"$closure"); then
  echo "package-test: zerb32-cli would bring ${foreign//$'\n'/ }" >&2
  exit 1
fi

installed=1  # from here on a half-done install is removed as well
"${as_root[@]}" apt-get install -y -qq "${deb[zerb32-cli]}" >/dev/null

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
# The watched-folder service: its user made, its unit as systemd reads it.
getent passwd zerb32-watch >/dev/null || { echo "package-test: no user zerb32-watch" >&2; exit 1; }
said=$(systemd-analyze verify /usr/lib/systemd/system/zerb32-watch@site.service 2>&1) && [ -z "$said" ] ||
  { echo "package-test: zerb32-watch@.service: $said" >&2; exit 1; }

"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${deb[zerb32]}" "${deb[python3-zerb32]}" >/dev/null

# The sample drawn without a window, and read by the module.
zerb32-plot "$work/42.log" -o "$work/42.svg"
grep -q '<svg' "$work/42.svg" || { echo "package-test: zerb32-plot drew no SVG" >&2; exit 1; }
first=$(cd "$work" && /usr/bin/python3 -c 'import zerb32; print(zerb32.read_log("42.log", tz="Europe/Berlin").times[0])')
[ "$first" = 2026-11-28T11:00:00 ] || { echo "package-test: the module read the first time as $first" >&2; exit 1; }

# What the packages put beside the programs.
for file in /usr/share/man/man1/zerb32-cli.1.gz /usr/share/man/man1/zerb32.1.gz /usr/share/man/man1/zerb32-plot.1.gz \
  /usr/share/bash-completion/completions/zerb32-cli /usr/share/mime/packages/zerb32.xml \
  /usr/share/applications/zerb32.desktop /usr/share/doc/zerb32/copyright /usr/share/doc/zerb32-cli/copyright \
  /usr/share/doc/python3-zerb32/copyright; do
  [ -f "$file" ] || { echo "package-test: $file is not installed" >&2; exit 1; }
done
echo "package-test: zerb32-cli alone brings no Qt, X or Python, converted the sample to the golden bytes and stored it;" \
  "zerb32 and python3-zerb32 beside it drew and read it; removing"
