#!/usr/bin/env bash
# Starts the local database of the project (.pg/, Unix socket only) with demo
# data, bringing it to the current schema, and writes the libpq service file
# that names it.
set -euo pipefail
source "$(dirname "$0")/env.sh"
DIR="$ROOT/.pg"; PORT="${APP_PORT:-54329}"
"$ROOT/scripts/pg-cluster.sh" start "$DIR" "$PORT"
"$ROOT/scripts/db-setup.sh" "$DIR" "$PORT" "$APP_DB" --demo
printf '[%s]\nhost=%s\nport=%s\ndbname=%s\n' "$APP_SERVICE" "$DIR/run" "$PORT" "$APP_DB" > "$DIR/pg_service.conf"
log "database ready; service \"$APP_SERVICE\" in $DIR/pg_service.conf"
