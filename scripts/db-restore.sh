#!/usr/bin/env bash
# Restores a dump written by db-backup.sh into a new database.
#   Usage: db-restore.sh FILE [--as NAME] [--replace] [--service NAME]
# The server is the one the service names (default: the local database
# started by db-start.sh); the new database NAME (default: <APP_DB>_restore)
# belongs to the schema's owner. An existing database of that name is left
# alone unless --replace is given, which drops it first. The client's rights
# are laid anew; on the local cluster the new database also gets a service
# of its own name, so that the client starts on it with
#   APP_SERVICE=NAME scripts/run-client.sh
set -euo pipefail
source "$(dirname "$0")/env.sh"
FILE=""; NAME="${APP_DB}_restore"; REPLACE=""; SERVICE="$APP_SERVICE"
while [ $# -gt 0 ]; do
  case "$1" in
    --as) NAME="${2:?database name}"; shift 2 ;;
    --replace) REPLACE=1; shift ;;
    --service) SERVICE="${2:?service name}"; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) FILE="$1"; shift ;;
  esac
done
[ -n "$FILE" ] || die "usage: db-restore.sh FILE [--as NAME] [--replace] [--service NAME]"
[ -f "$FILE" ] || die "no such backup file: $FILE"
[[ "$NAME" =~ ^[a-z_][a-z0-9_]*$ ]] || die "database names are lower-case letters, digits and _: $NAME"
export PGSERVICEFILE="${PGSERVICEFILE:-$ROOT/.pg/pg_service.conf}"
export PGPASSWORD="${PGPASSWORD:-$APP_OWNER_PASSWORD}"
server="service=$SERVICE user=$APP_OWNER"
psql_() { "$PG_BIN/psql" -X -q -v ON_ERROR_STOP=1 "$@"; }

"$PG_BIN/pg_restore" --list "$FILE" >/dev/null || die "not a backup file of PostgreSQL's custom format: $FILE"
exists=$(psql_ -d "$server dbname=postgres" -tAc "SELECT 1 FROM pg_database WHERE datname = '$NAME'")
if [ "$exists" = 1 ]; then
  [ -n "$REPLACE" ] || die "database \"$NAME\" exists; give --replace to overwrite it, or --as another name"
  log "dropping the existing database \"$NAME\""
  psql_ -d "$server dbname=postgres" -c "DROP DATABASE \"$NAME\" WITH (FORCE)"
fi
psql_ -d "$server dbname=postgres" -c "CREATE DATABASE \"$NAME\" OWNER \"$APP_OWNER\" ENCODING 'UTF8' TEMPLATE template0"
# Rights are not taken from the dump (they name catalog functions only a
# superuser may change): they are laid as the set-up lays them.
if ! "$PG_BIN/pg_restore" -d "$server dbname=$NAME" --no-acl --exit-on-error "$FILE"; then
  psql_ -d "$server dbname=postgres" -c "DROP DATABASE \"$NAME\""
  die "the restore failed; nothing was kept"
fi
psql_ -d "$server dbname=$NAME" \
  -c "ALTER DATABASE \"$NAME\" SET datestyle = 'iso, ymd'" \
  -c "REVOKE CREATE, TEMPORARY ON DATABASE \"$NAME\" FROM PUBLIC" \
  -c "GRANT CONNECT ON DATABASE \"$NAME\" TO \"$APP_USER\"" \
  -c "ANALYZE" 2>&1 | grep -v -e WARNING -e skipping || true
psql_ -d "$server dbname=$NAME" -v app_user="$APP_USER" -v lookup_role="$LOOKUP_ROLE" -f "$ROOT/db/grants.sql" >/dev/null

# On the local cluster: the superuser's part of the rights, and a service.
LOCAL="$ROOT/.pg"
if [ "$SERVICE" = "$APP_SERVICE" ] && [ -f "$LOCAL/superuser.pw" ]; then
  PGPASSWORD="$(cat "$LOCAL/superuser.pw")" psql_ -h "$LOCAL/run" -p "${APP_PORT:-54329}" -U postgres -d "$NAME" \
    -v app_user="$APP_USER" -f "$ROOT/db/grants-catalog.sql" >/dev/null
  extra="$LOCAL/services.conf"
  touch "$extra"
  awk -v name="[$NAME]" '$0 ~ /^\[/ { skip = ($0 == name) } !skip' "$extra" > "$extra.new"
  printf '[%s]\nhost=%s\nport=%s\ndbname=%s\n' "$NAME" "$LOCAL/run" "${APP_PORT:-54329}" "$NAME" >> "$extra.new"
  mv "$extra.new" "$extra"
  write_service_file "$LOCAL" "${APP_PORT:-54329}"
  log "restored into \"$NAME\"; start the client on it with: APP_SERVICE=$NAME scripts/run-client.sh"
else
  log "restored into \"$NAME\"; a superuser should run db/grants-catalog.sql in it (-v app_user=$APP_USER)"
fi
