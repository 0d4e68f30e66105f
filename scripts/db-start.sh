#!/usr/bin/env bash
# Starts the local database of the project (.pg/, Unix socket only) with demo
# data, bringing it to the current schema, and writes the libpq service file
# that names it.
set -euo pipefail
source "$(dirname "$0")/env.sh"
DIR="$ROOT/.pg"; PORT="${APP_PORT:-54329}"
"$ROOT/scripts/pg-cluster.sh" start "$DIR" "$PORT"
"$ROOT/scripts/db-setup.sh" "$DIR" "$PORT" "$APP_DB" --demo
write_service_file "$DIR" "$PORT"
log "database ready; service \"$APP_SERVICE\" in $DIR/pg_service.conf"
