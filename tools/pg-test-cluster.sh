#!/usr/bin/env bash
# pg-test-cluster.sh [--if-available] COMMAND [ARG...]
#
# Runs COMMAND against a throw-away PostgreSQL cluster: creates one in a new
# temporary folder (initdb), starts it on a private Unix socket folder with no
# TCP listener, runs COMMAND with the connection exported, then stops the
# cluster and removes the folder, whatever COMMAND's outcome. It only ever
# stops and removes the cluster it created. Exit status: COMMAND's; 77 (a
# skipped test for CTest) when no PostgreSQL server binaries are installed,
# unless --if-available: then COMMAND runs without a cluster (tests that
# need one skip themselves, the others still run).
#
# Exported to COMMAND:
#   ZERB32_PG_URI             URI of the superuser (trust) on database postgres
#   ZERB32_PG_SOCKET          the socket folder; ZERB32_PG_PORT the port number
#   ZERB32_PG_SECRET_USER     a role that must give a password (scram-sha-256)
#   ZERB32_PG_SECRET_PASSWORD its password, new for every cluster
#   ZERB32_PG_DATA            the cluster's data folder (for the server log)
#
# ZERB32_PG_BINDIR picks the server binaries; ZERB32_PG_SERVER_OPTS adds
# server settings (e.g. "-c fsync=off").
set -euo pipefail

if_available=""
if [ "${1:-}" = "--if-available" ]; then if_available=yes; shift; fi
if [ "$#" -eq 0 ]; then
  echo "usage: $0 [--if-available] COMMAND [ARG...]" >&2
  exit 2
fi

find_bindir() {
  if [ -n "${ZERB32_PG_BINDIR:-}" ]; then echo "$ZERB32_PG_BINDIR"; return; fi
  local found
  found=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  [ -n "$found" ] && echo "$found"
}
bindir=$(find_bindir || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ] || [ ! -x "$bindir/pg_ctl" ]; then
  [ -n "$if_available" ] && exec "$@"
  echo "pg-test-cluster: no PostgreSQL server binaries (install Debian's postgresql); skipped" >&2
  exit 77
fi

# initdb refuses to run as root: the cluster then belongs to nobody. The
# folder lives under /tmp, which nobody can reach, and its path stays short
# enough for a socket name.
as_owner=()
base=${TMPDIR:-/tmp}
if [ "$(id -u)" -eq 0 ]; then
  as_owner=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups env HOME=/nonexistent)
  base=/tmp
fi
[ "${#base}" -le 60 ] || base=/tmp

dir=$(mktemp -d "$base/zerb32-pg.XXXXXX")
data=$dir/data
socket=$dir/socket
started=""

# Runs a server program as the cluster's owner, from the cluster's folder
# (the caller's may be closed to that user).
as_cluster_owner() { (cd "$dir" && "${as_owner[@]}" "$@"); }

stop_cluster() {
  if [ -n "$started" ]; then
    as_cluster_owner "$bindir/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
}
trap 'status=$?; trap - EXIT; stop_cluster; exit $status' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mkdir -m 700 "$socket"
[ "${#as_owner[@]}" -eq 0 ] || chown -R nobody: "$dir"

superuser=zerb32
secret_user=zerb32_secret
secret_password=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
port=5432

as_cluster_owner "$bindir/initdb" -D "$data" -U "$superuser" --auth=trust -E UTF8 --no-locale --no-sync >"$dir/initdb.log" 2>&1 \
  || { cat "$dir/initdb.log" >&2; exit 1; }
cat >"$data/pg_hba.conf" <<EOF
local all $secret_user scram-sha-256
local all all trust
EOF

# shellcheck disable=SC2086
as_cluster_owner "$bindir/pg_ctl" -D "$data" -l "$data/server.log" -w -t 60 \
  -o "-k $socket -c listen_addresses='' -p $port ${ZERB32_PG_SERVER_OPTS:-}" start >/dev/null \
  || { cat "$data/server.log" >&2; exit 1; }
started=yes

"$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$socket" -p "$port" -U "$superuser" -d postgres \
  -c "CREATE ROLE $secret_user LOGIN CREATEDB PASSWORD '$secret_password'" >/dev/null

export ZERB32_PG_URI="postgresql:///postgres?host=$socket&port=$port&user=$superuser"
export ZERB32_PG_SOCKET=$socket ZERB32_PG_PORT=$port ZERB32_PG_DATA=$data
export ZERB32_PG_SECRET_USER=$secret_user ZERB32_PG_SECRET_PASSWORD=$secret_password
export ZERB32_PG_BINDIR=$bindir
"$@"
