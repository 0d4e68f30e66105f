#!/usr/bin/env bash
# Configures and builds the client, its tools, tests and benchmarks.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
