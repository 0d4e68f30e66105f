#!/usr/bin/env bash
# Stops the local database started by db-start.sh.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/pg-cluster.sh" stop "$ROOT/.pg" "${APP_PORT:-54329}"
