#!/usr/bin/env bash
# Builds and runs every benchmark against a private database cluster started
# for the run; each prints its own figures.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/build.sh" >/dev/null
DIR="$BUILD_DIR/testpg"; PORT="$(grep -m1 '^TV_TEST_PG_PORT:' "$BUILD_DIR/CMakeCache.txt" | cut -d= -f2)"
"$ROOT/scripts/test-db.sh" start "$DIR" "$PORT"
trap '"$ROOT/scripts/test-db.sh" stop "$DIR" "$PORT"' EXIT
for bench in "$BUILD_DIR"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench"
done
