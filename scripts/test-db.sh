#!/usr/bin/env bash
# The private cluster of a test run: "start" brings up a fast, throw-away
# cluster and builds the template database every test copies; "stop" ends it.
# Usage: test-db.sh start|stop DIR PORT
set -euo pipefail
source "$(dirname "$0")/env.sh"
action="${1:?start|stop}"; DIR="${2:?cluster folder}"; PORT="${3:?port}"
TEMPLATE="${TEMPLATE_DB:-tvacct_template}"

case "$action" in
  start)
    PG_FAST=1 "$ROOT/scripts/pg-cluster.sh" start "$DIR" "$PORT"
    super() { PGPASSWORD="$(cat "$DIR/superuser.pw")" "$PG_BIN/psql" -X -q -h "$DIR/run" -p "$PORT" -U postgres -d postgres -v ON_ERROR_STOP=1 "$@"; }
    # Databases left by an interrupted run, and the old template, go first.
    for db in $(super -tAc "SELECT datname FROM pg_database WHERE datname LIKE 'tvt\_%' OR datname = '$TEMPLATE'"); do
      super -c "ALTER DATABASE \"$db\" WITH IS_TEMPLATE false" -c "DROP DATABASE IF EXISTS \"$db\" WITH (FORCE)"
    done
    "$ROOT/scripts/db-setup.sh" "$DIR" "$PORT" "$TEMPLATE" --demo
    super -c "ALTER DATABASE \"$TEMPLATE\" WITH IS_TEMPLATE true"
    ;;
  stop)
    "$ROOT/scripts/pg-cluster.sh" stop "$DIR" "$PORT"
    ;;
  *) die "unknown action $action" ;;
esac
