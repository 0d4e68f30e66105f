#!/usr/bin/env bash
# Builds and runs every benchmark against a private database cluster started
# for the run; each prints its own figures.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/build.sh" >/dev/null
# A cluster of their own, beside the tests' one: a test run may be going on.
read -r DIR PORT < <(bench_cluster "$BUILD_DIR")
"$ROOT/scripts/test-db.sh" start "$DIR" "$PORT"
trap '"$ROOT/scripts/test-db.sh" stop "$DIR" "$PORT"' EXIT
export TV_PG_DIR="$DIR" TV_PG_PORT="$PORT"
for bench in "$BUILD_DIR"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench"
done
