#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Idempotent: when everything is already present it touches nothing, not even the network.
set -euo pipefail

PACKAGES=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n
  libgl-dev
  libsqlite3-dev sqlite3
  libjpeg62-turbo-dev libexif-dev libnova-dev
  fonts-liberation fonts-dejavu-core
  clang libclang-rt-14-dev
  xvfb imagemagick xdotool poppler-utils
  dpkg-dev lintian librsvg2-bin file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
