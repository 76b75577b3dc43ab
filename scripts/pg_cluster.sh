#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: a private cluster in a temporary folder, run as an
# unprivileged user, listening only on a socket in that folder.
#   scripts/pg_cluster.sh start DIR   prints the server URL (postgresql:///postgres?host=DIR&...)
#   scripts/pg_cluster.sh stop DIR    stops it and removes DIR
set -euo pipefail
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -n "$bin" ] || { echo "PostgreSQL server binaries not found" >&2; exit 1; }
action=$1 dir=$2
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  # The server refuses to run as root: the cluster belongs to the postgres account.
  id postgres >/dev/null 2>&1 || useradd --system --no-create-home postgres
  as_owner=(runuser -u postgres --)
fi
# The commands run from the cluster's folder: the postgres account may not enter the caller's.
case "$action" in
  start)
    mkdir -p "$dir"
    chmod 755 "$dir"
    [ ${#as_owner[@]} -eq 0 ] || chown postgres "$dir"
    cd "$dir"
    "${as_owner[@]}" "$bin/initdb" -D "$dir/data" -U zolk -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
    "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
      -o "-k $dir -c listen_addresses='' -p 5432 -c fsync=off -c max_connections=100" start >/dev/null
    echo "postgresql:///postgres?host=$dir&port=5432&user=zolk"
    ;;
  stop)
    if [ -d "$dir/data" ]; then
      cd "$dir"
      "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    cd /
    rm -rf "$dir"
    ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
