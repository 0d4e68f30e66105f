#!/usr/bin/env bash
# One command from a fresh Debian machine to the test results: installs the
# packages, builds, and runs every test headless against a private database
# cluster that ctest starts for the run and stops afterwards.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/setup-deps.sh"
"$ROOT/scripts/build.sh"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
