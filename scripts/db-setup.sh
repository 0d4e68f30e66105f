#!/usr/bin/env bash
# Creates the roles and a database in a running private cluster and brings it
# to the current schema.  Usage: db-setup.sh DIR PORT DBNAME [--demo]
#
# Roles: APP_OWNER owns the database and everything in it and is the only role
# that changes the schema; APP_USER, the client's login, gets the rights of
# db/grants.sql; LOOKUP_ROLE (no login) is what stored lookup statements run as.
set -euo pipefail
source "$(dirname "$0")/env.sh"
DIR="${1:?cluster folder}"; PORT="${2:?port}"; DB="${3:?database}"; DEMO="${4:-}"
SOCK="$DIR/run"
super() { PGPASSWORD="$(cat "$DIR/superuser.pw")" "$PG_BIN/psql" -X -q -h "$SOCK" -p "$PORT" -U postgres -v ON_ERROR_STOP=1 "$@"; }
role_exists() { [ "$(super -d postgres -tAc "SELECT 1 FROM pg_roles WHERE rolname = '$1'")" = 1 ]; }

role_exists "$APP_OWNER" || super -d postgres -c "CREATE ROLE \"$APP_OWNER\" LOGIN CREATEDB PASSWORD '$APP_OWNER_PASSWORD'"
role_exists "$APP_USER" || super -d postgres -c "CREATE ROLE \"$APP_USER\" LOGIN PASSWORD '$APP_PASSWORD'"
role_exists "$LOOKUP_ROLE" || super -d postgres -c "CREATE ROLE \"$LOOKUP_ROLE\" NOLOGIN"
# A database set up before the roles were split belonged to the client.
# Compiling plans pays off only for long analytic queries; the books' short
# statements would wait for it.
super -d postgres -c "ALTER ROLE \"$APP_USER\" NOSUPERUSER NOCREATEDB NOCREATEROLE" \
  -c "GRANT \"$LOOKUP_ROLE\" TO \"$APP_USER\"" \
  -c "GRANT pg_signal_backend TO \"$APP_OWNER\"" \
  -c "ALTER ROLE \"$APP_USER\" SET jit = off" -c "ALTER ROLE \"$APP_OWNER\" SET jit = off"

exists=$(super -d postgres -tAc "SELECT 1 FROM pg_database WHERE datname = '$DB'")
[ "$exists" = 1 ] || super -d postgres -c "CREATE DATABASE \"$DB\" OWNER \"$APP_OWNER\" ENCODING 'UTF8' TEMPLATE template0"
super -d "$DB" -c "ALTER DATABASE \"$DB\" OWNER TO \"$APP_OWNER\"" \
  -c "ALTER DATABASE \"$DB\" SET datestyle = 'iso, ymd'" \
  -c "ALTER SCHEMA public OWNER TO \"$APP_OWNER\"" \
  -c "REASSIGN OWNED BY \"$APP_USER\" TO \"$APP_OWNER\"" \
  -c "REVOKE CREATE, TEMPORARY ON DATABASE \"$DB\" FROM PUBLIC" \
  -c "GRANT CONNECT ON DATABASE \"$DB\" TO \"$APP_USER\""

PGHOST="$SOCK" PGPORT="$PORT" PGUSER="$APP_OWNER" PGPASSWORD="$APP_OWNER_PASSWORD" PGDATABASE="$DB" \
  "$(dirname "$0")/db-migrate.sh" $DEMO
super -d "$DB" -v app_user="$APP_USER" -f "$ROOT/db/grants-catalog.sql" >/dev/null
