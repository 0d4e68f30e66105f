#!/usr/bin/env bash
# Brings the database named by the PG* variables to the current schema:
# migrations once each (recorded in schema_version), then every procedure file
# (they replace themselves), then the client's rights (db/grants.sql), then
# with --demo the demo data files once each, then fresh planner statistics.
# Run it as the schema's owner.
set -euo pipefail
source "$(dirname "$0")/env.sh"
psql_() { "$PG_BIN/psql" -X -q -v ON_ERROR_STOP=1 "$@"; }

psql_ -c "CREATE TABLE IF NOT EXISTS schema_version (
  file_name TEXT PRIMARY KEY, applied_at TIMESTAMP NOT NULL DEFAULT now())" 2>&1 | grep -v NOTICE || true

apply_once() {  # folder
  local f name done
  for f in "$ROOT/$1"/*.sql; do
    [ -e "$f" ] || continue
    name="$1/$(basename "$f")"
    done=$(psql_ -tAc "SELECT 1 FROM schema_version WHERE file_name = '$name'")
    [ "$done" = 1 ] && continue
    log "applying $name"
    psql_ -1 -f "$f" -c "INSERT INTO schema_version(file_name) VALUES ('$name')" >/dev/null
  done
}

apply_once db/migrations
for f in "$ROOT"/db/procs/*.sql; do
  [ -e "$f" ] || continue
  psql_ -1 -f "$f" >/dev/null
done
psql_ -v app_user="$APP_USER" -v lookup_role="$LOOKUP_ROLE" -f "$ROOT/db/grants.sql" >/dev/null
[ "${1:-}" = "--demo" ] && apply_once db/demo
# Fresh statistics, so that the plans the engine keeps from its first call
# fit the tables as they now are rather than as empty ones.
psql_ -c "ANALYZE" 2>&1 | grep -v -e NOTICE -e WARNING -e skipping || true
exit 0
