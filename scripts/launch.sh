#!/usr/bin/env bash
# Does what the launcher does after its sign-in: leaves the encoded database
# password in TVUpdate.ini beside the program and starts the client with its
# four arguments.  Usage: launch.sh SERVICE DB_USER EMP_NO EMP_NAME [PASSWORD]
set -euo pipefail
source "$(dirname "$0")/env.sh"
[ $# -ge 4 ] || die "usage: launch.sh SERVICE DB_USER EMP_NO EMP_NAME [PASSWORD]"
SERVICE="$1"; DB_USER="$2"; EMP_NO="$3"; EMP_NAME="$4"; PASSWORD="${5:-$APP_PASSWORD}"
EXE="$BUILD_DIR/src/tvacct"
[ -x "$EXE" ] || die "build the client first (scripts/build.sh)"
printf '[PROGRAM]\nPASS=%s\n' "$("$BUILD_DIR/src/tvpass" encode "$PASSWORD")" > "$(dirname "$EXE")/TVUpdate.ini"
# The books keep Seoul's calendar, as the database server does; a machine
# set to another zone would see another "today" for part of the day.
export TZ="${TZ:-Asia/Seoul}"
exec "$EXE" "$SERVICE" "$DB_USER" "$EMP_NO" "$EMP_NAME"
