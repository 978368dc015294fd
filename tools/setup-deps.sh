#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not there yet.
# Runs apt-get directly as root, through sudo otherwise (without sudo it
# names what to install and fails); does nothing, and needs no root, when
# everything is present, so every make target can call it.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config ccache
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  libsqlite3-dev sqlite3 nettle-dev
  qt6-base-dev qt6-svg-dev libqt6opengl6-dev fonts-dejavu-core xvfb xauth imagemagick x11-utils
  clang libclang-rt-14-dev
  gcovr
  dpkg-dev fakeroot help2man lintian shared-mime-info
  g++-mingw-w64-x86-64-posix wine wine64
  libhowardhinnant-date-dev tzdata nlohmann-json3-dev python3-pandas
  pybind11-dev python3-dev python3-numpy python3-pytest python3-matplotlib
  libpq-dev postgresql
  libsystemd-dev systemd
  libxlsxwriter-dev python3-openpyxl libreoffice-calc-nogui
)
if [ "$#" -gt 0 ]; then packages=("$@"); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "setup-deps: these packages are missing and installing them needs root; as root run:" >&2
  echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
