#!/usr/bin/env bash
# Creates the login role and a database in a running private cluster and brings
# it to the current schema.  Usage: db-setup.sh DIR PORT DBNAME [--demo]
set -euo pipefail
source "$(dirname "$0")/env.sh"
DIR="${1:?cluster folder}"; PORT="${2:?port}"; DB="${3:?database}"; DEMO="${4:-}"
SOCK="$DIR/run"
super() { PGPASSWORD="$(cat "$DIR/superuser.pw")" "$PG_BIN/psql" -X -q -h "$SOCK" -p "$PORT" -U postgres -v ON_ERROR_STOP=1 "$@"; }

exists=$(super -d postgres -tAc "SELECT 1 FROM pg_roles WHERE rolname = '$APP_USER'")
if [ "$exists" != 1 ]; then
  super -d postgres -c "CREATE ROLE \"$APP_USER\" LOGIN CREATEDB PASSWORD '$APP_PASSWORD'"
fi
exists=$(super -d postgres -tAc "SELECT 1 FROM pg_database WHERE datname = '$DB'")
[ "$exists" = 1 ] || super -d postgres -c "CREATE DATABASE \"$DB\" OWNER \"$APP_USER\" ENCODING 'UTF8' TEMPLATE template0"
super -d "$DB" -c "ALTER DATABASE \"$DB\" SET datestyle = 'iso, ymd'" -c "ALTER SCHEMA public OWNER TO \"$APP_USER\""

PGHOST="$SOCK" PGPORT="$PORT" PGUSER="$APP_USER" PGPASSWORD="$APP_PASSWORD" PGDATABASE="$DB" \
  "$(dirname "$0")/db-migrate.sh" $DEMO
