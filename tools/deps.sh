#!/bin/sh
# Installs the Debian 12 packages that the build, the program and the tests need.
# Skips what is present; runs apt-get update first only when something is missing.
set -eu

PACKAGES="
cmake ninja-build g++ make pkg-config clang-format clang libclang-rt-14-dev
qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql
qt6-image-formats-plugins qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev
postgresql-15 postgresql-client-15 libpq-dev
xvfb xauth imagemagick poppler-utils fonts-liberation2 sqlite3 libsqlite3-dev zint zbar-tools
mdbtools mdbtools-dev python3
appstream desktop-file-utils librsvg2-bin dpkg-dev file
libsane-dev sane-utils libsane1 qt6-serialport-dev socat xdg-utils
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "Missing packages:$missing; run this script as root or install sudo." >&2
  exit 1
fi
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
