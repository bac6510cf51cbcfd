#!/bin/sh
# A throwaway PostgreSQL 15 server on 127.0.0.1 for the tests.
#   tools/pgtest.sh start            starts one, prints its state folder
#   tools/pgtest.sh stop <folder>    stops it and removes everything it wrote
#   tools/pgtest.sh run -- cmd...    starts one, runs cmd with QUARZIL_TEST_PG set, stops it
# QUARZIL_TEST_PG is a connection string to the server's "postgres" catalog; tests create and
# drop catalogs of their own on it. Run as root, the server runs as the postgres user.
set -eu

PGBIN=${PGBIN:-/usr/lib/postgresql/15/bin}

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

start() {
  dir=$(mktemp -d /tmp/quarzil-pg.XXXXXX)
  chmod 755 "$dir"
  if [ "$(id -u)" -eq 0 ]; then chown postgres:postgres "$dir"; fi
  as_owner "$PGBIN/initdb" -D "$dir/data" -U quarzil --auth=trust -E UTF8 --locale=C.UTF-8 \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  tries=0
  while :; do
    port=$(( 20000 + ($(od -An -N2 -tu2 /dev/urandom) % 20000) ))
    if as_owner "$PGBIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
         -o "-h 127.0.0.1 -p $port -k $dir -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
         start >/dev/null 2>&1; then
      break
    fi
    tries=$((tries + 1))
    if [ $tries -ge 5 ]; then cat "$dir/server.log" >&2; exit 1; fi
  done
  echo "$port" >"$dir/port"
  echo "$dir"
}

stop() {
  dir=$1
  [ -d "$dir/data" ] && as_owner "$PGBIN/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case "${1:-}" in
  start) start ;;
  stop) stop "$2" ;;
  run)
    shift
    [ "${1:-}" = "--" ] && shift
    dir=$(start)
    trap 'stop "$dir"' EXIT INT TERM
    QUARZIL_TEST_PG="Provider=QPSQL;Data Source=127.0.0.1:$(cat "$dir/port");Initial Catalog=postgres;User ID=quarzil;Password="
    export QUARZIL_TEST_PG
    "$@"
    ;;
  *) echo "usage: $0 start | stop <folder> | run -- command..." >&2; exit 2 ;;
esac
