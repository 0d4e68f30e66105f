#!/usr/bin/env bash
# Runs a private PostgreSQL 15 cluster in a folder of its own, reachable only
# through a Unix socket.  Usage: pg-cluster.sh start|stop|status DIR PORT
# Started as root, the server runs as the unprivileged "postgres" user.
set -euo pipefail
source "$(dirname "$0")/env.sh"
action="${1:?start|stop|status}"; DIR="${2:?cluster folder}"; PORT="${3:?port}"

# Started as root, the server runs as "postgres", which may not be able to
# enter the checkout (a clone under root's home or any folder of mode 700).
# The cluster then lives in a folder of its own under /var/tmp and DIR
# becomes a link to it, so callers keep using DIR for the socket and files.
if [ "$(id -u)" -eq 0 ] && [ "$action" = start ] && [ ! -L "$DIR" ] && [ ! -f "$DIR/data/PG_VERSION" ]; then
  mkdir -p "$(dirname "$DIR")"
  parent="$(cd "$(dirname "$DIR")" && pwd)"
  if ! runuser -u postgres -- test -x "$parent" 2>/dev/null; then
    real="/var/tmp/tvacct-pg/$(printf '%s' "$parent/$(basename "$DIR")" | sha1sum | cut -c1-16)"
    mkdir -p "$real"; chmod 755 /var/tmp/tvacct-pg "$real"
    rm -rf "$DIR"; ln -s "$real" "$DIR"
  fi
fi
[ -L "$DIR" ] && DIR="$(readlink -f "$DIR")"
DATA="$DIR/data"; SOCK="$DIR/run"; SUPERPW="$DIR/superuser.pw"

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$action" in
  start)
    mkdir -p "$DIR" "$SOCK"
    if [ "$(id -u)" -eq 0 ]; then
      id postgres >/dev/null 2>&1 || die "the postgres system user is missing (install postgresql-15)"
      chown postgres: "$DIR" "$SOCK"
      runuser -u postgres -- test -w "$DIR" || die "$DIR is not reachable by the postgres user"
    fi
    if [ ! -f "$DATA/PG_VERSION" ]; then
      [ -f "$SUPERPW" ] || (umask 077; head -c 18 /dev/urandom | base64 | tr -d '/+=' > "$SUPERPW")
      [ "$(id -u)" -eq 0 ] && chown postgres: "$SUPERPW"
      as_owner "$PG_BIN/initdb" -D "$DATA" -U postgres --pwfile="$SUPERPW" -E UTF8 \
        --locale=C.UTF-8 --auth=scram-sha-256 >/dev/null
      {
        echo "listen_addresses = ''"
        echo "unix_socket_directories = '$SOCK'"
        echo "port = $PORT"
        echo "max_connections = 60"
        echo "datestyle = 'iso, ymd'"
        echo "timezone = 'Asia/Seoul'"
        if [ "${PG_FAST:-0}" = 1 ]; then
          echo "fsync = off"; echo "synchronous_commit = off"; echo "full_page_writes = off"
        fi
      } | as_owner tee -a "$DATA/postgresql.conf" >/dev/null
    fi
    if ! as_owner "$PG_BIN/pg_ctl" -D "$DATA" status >/dev/null 2>&1; then
      as_owner "$PG_BIN/pg_ctl" -D "$DATA" -l "$DIR/server.log" -w -t 60 start >/dev/null \
        || { tail -20 "$DIR/server.log" >&2; die "the database server did not start"; }
    fi
    ;;
  stop)
    if [ -f "$DATA/PG_VERSION" ] && as_owner "$PG_BIN/pg_ctl" -D "$DATA" status >/dev/null 2>&1; then
      as_owner "$PG_BIN/pg_ctl" -D "$DATA" -m fast -w stop >/dev/null
    fi
    ;;
  status)
    as_owner "$PG_BIN/pg_ctl" -D "$DATA" status
    ;;
  *) die "unknown action $action" ;;
esac
