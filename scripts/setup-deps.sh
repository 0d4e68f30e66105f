#!/usr/bin/env bash
# Installs the Debian packages the build, the local database and the tests need.
set -euo pipefail
PACKAGES=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-psql libgl-dev
  postgresql-15 postgresql-client-15
  tzdata fonts-nanum libjpeg-dev poppler-utils xvfb xauth python3-xlrd
  libfreexl-dev libquazip1-qt6-dev)
# The spreadsheet export is read back by LibreOffice as well; its recommended
# packages add nothing the conversion needs.
OFFICE=(libreoffice-calc-nogui)
missing_of() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${PACKAGES[@]}")
mapfile -t missing_office < <(missing_of "${OFFICE[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_office[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]} ${missing_office[*]}" >&2
$SUDO apt-get update -qq
[ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
[ ${#missing_office[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing_office[@]}" >/dev/null
