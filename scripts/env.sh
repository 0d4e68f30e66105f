# Shared settings of the project scripts. Source it; do not run it.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PG_BIN="${PG_BIN:-/usr/lib/postgresql/15/bin}"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
APP_DB="${APP_DB:-tvacct}"
APP_USER="${APP_USER:-acct}"
APP_PASSWORD="${APP_PASSWORD:-acct#2026}"
APP_SERVICE="${APP_SERVICE:-tvacct}"

log() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }
die() { log "$*"; exit 1; }
