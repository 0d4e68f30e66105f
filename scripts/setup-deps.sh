#!/usr/bin/env bash
# Installs the Debian packages the build, the local database and the tests need.
set -euo pipefail
PACKAGES=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-psql libgl-dev
  postgresql-15 postgresql-client-15
  fonts-nanum libfreexl-dev libjpeg-dev poppler-utils xvfb xauth)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}" >&2
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
