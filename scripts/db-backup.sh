#!/usr/bin/env bash
# Writes the whole database (schema, procedures, data and the history of
# changes) to one file in PostgreSQL's custom dump format.
#   Usage: db-backup.sh [--service NAME] [FILE]
# The database is the one the service names (default: the local database
# started by db-start.sh); it is read as the schema's owner (APP_OWNER, with
# APP_OWNER_PASSWORD or a ~/.pgpass entry). Without FILE the dump goes to
# backup/<service>_<date>_<time>.dump. The file appears only when the dump
# is complete.
set -euo pipefail
source "$(dirname "$0")/env.sh"
SERVICE="$APP_SERVICE"; FILE=""
while [ $# -gt 0 ]; do
  case "$1" in
    --service) SERVICE="${2:?service name}"; shift 2 ;;
    -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
    *) FILE="$1"; shift ;;
  esac
done
[ -n "$FILE" ] || FILE="$ROOT/backup/${SERVICE}_$(date +%Y%m%d_%H%M%S).dump"
mkdir -p "$(dirname "$FILE")"
export PGSERVICEFILE="${PGSERVICEFILE:-$ROOT/.pg/pg_service.conf}"
export PGPASSWORD="${PGPASSWORD:-$APP_OWNER_PASSWORD}"
trap 'rm -f "$FILE.part"' EXIT
"$PG_BIN/pg_dump" -d "service=$SERVICE user=$APP_OWNER" --format=custom --file="$FILE.part"
mv "$FILE.part" "$FILE"
log "backup of service \"$SERVICE\" written to $FILE"
