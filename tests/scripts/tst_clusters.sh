#!/usr/bin/env bash
# The clusters the project's scripts start: the benchmarks' one lives beside
# the tests' one without touching its databases, and a cluster whose folder
# lies in a private (mode 700) folder still starts when run as root.
# Usage: tst_clusters.sh TEST_DIR TEST_PORT  (the running test cluster)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
TEST_DIR="$1"; TEST_PORT="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
super() { PGPASSWORD="$(cat "$1/superuser.pw")" "$PG_BIN/psql" -X -q -h "$1/run" -p "$2" -U postgres -d postgres -tA -v ON_ERROR_STOP=1 -c "$3"; }

work="$(mktemp -d)"   # mode 700, like a home folder
private="$work/home/checkout/.pg"
# Another port than the benchmarks' default, so that a benchmark run going
# on meanwhile is not disturbed either.
read -r _ DEFAULT_BENCH_PORT < <(bench_cluster "$work/build")
[ "$DEFAULT_BENCH_PORT" != "$TEST_PORT" ] || fail "the benchmarks use the tests' port"
export TV_BENCH_PG_PORT=$((TEST_PORT + 100))
read -r BENCH_DIR BENCH_PORT < <(bench_cluster "$work/build")
cleanup() {
  for d in "$BENCH_DIR" "$private"; do
    "$ROOT/scripts/pg-cluster.sh" stop "$d" 0 >/dev/null 2>&1 || true
    [ -L "$d" ] && rm -rf "$(readlink -f "$d")"
  done
  rm -rf "$work"
}
trap cleanup EXIT

# 1. The benchmarks' cluster, started the way run-bench.sh starts it, leaves
# the databases of a test run alone.
super "$TEST_DIR" "$TEST_PORT" "CREATE DATABASE tvt_keepalive"
"$ROOT/scripts/test-db.sh" start "$BENCH_DIR" "$BENCH_PORT"
alive=$(super "$TEST_DIR" "$TEST_PORT" "SELECT count(*) FROM pg_database WHERE datname = 'tvt_keepalive'")
super "$TEST_DIR" "$TEST_PORT" "DROP DATABASE tvt_keepalive"
[ "$alive" = 1 ] || fail "starting the benchmarks' cluster dropped a test database"
"$ROOT/scripts/test-db.sh" stop "$BENCH_DIR" "$BENCH_PORT"

# 2. A cluster folder inside a private folder.
mkdir -p "$(dirname "$private")"; chmod 700 "$work/home"
"$ROOT/scripts/pg-cluster.sh" start "$private" "$((TEST_PORT + 2))"
[ "$(super "$private" "$((TEST_PORT + 2))" "SELECT 1")" = 1 ] || fail "no answer from the private cluster"
"$ROOT/scripts/pg-cluster.sh" stop "$private" "$((TEST_PORT + 2))"
echo "clusters: ok"
