#!/usr/bin/env bash
# One command from a fresh Debian machine to the running client: installs the
# packages, builds, starts the local database with demo data and launches the
# client as the launcher would.  Usage: run-client.sh [EMP_NO [EMP_NAME]]
# (demo employees: 1001 관리자, administrator; 2001 김회계, clerk)
set -euo pipefail
source "$(dirname "$0")/env.sh"
EMP_NO="${1:-1001}"; EMP_NAME="${2:-관리자}"
"$ROOT/scripts/setup-deps.sh"
"$ROOT/scripts/build.sh"
"$ROOT/scripts/db-start.sh"
export PGSERVICEFILE="$ROOT/.pg/pg_service.conf"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  log "No display found. Run it in a virtual one:  xvfb-run -s '-screen 0 1280x900x24' $0 $*"
  exit 1
fi
exec "$ROOT/scripts/launch.sh" "$APP_SERVICE" "$APP_USER" "$EMP_NO" "$EMP_NAME"
