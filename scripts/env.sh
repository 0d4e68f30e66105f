# Shared settings of the project scripts. Source it; do not run it.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PG_BIN="${PG_BIN:-/usr/lib/postgresql/15/bin}"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
APP_DB="${APP_DB:-tvacct}"
APP_USER="${APP_USER:-acct}"
APP_PASSWORD="${APP_PASSWORD:-acct#2026}"
APP_SERVICE="${APP_SERVICE:-tvacct}"
# The schema belongs to the owner role, which only the set-up scripts use; the
# client signs in as APP_USER with the rights it needs and no more.
APP_OWNER="${APP_OWNER:-tvowner}"
APP_OWNER_PASSWORD="${APP_OWNER_PASSWORD:-tvowner#2026}"
# Stored lookup statements run under this role: it may only read the tables
# a lookup reads. Fixed name: the client switches to it by name.
LOOKUP_ROLE=tv_lookup

log() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }
die() { log "$*"; exit 1; }

# The benchmarks' private cluster: its own folder and port, so that it never
# meets a test run's cluster.  Prints "DIR PORT" for a build folder.
bench_cluster() { printf '%s %s\n' "$1/benchpg" "${TV_BENCH_PG_PORT:-54439}"; }

# The libpq service file of the local database in DIR: its own service, then
# those of the databases restored beside it (DIR/services.conf).
write_service_file() {  # DIR PORT
  {
    printf '[%s]\nhost=%s\nport=%s\ndbname=%s\n' "$APP_SERVICE" "$1/run" "$2" "$APP_DB"
    if [ -f "$1/services.conf" ]; then cat "$1/services.conf"; fi
  } > "$1/pg_service.conf"
}
