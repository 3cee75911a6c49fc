#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, run and test, only when one is missing.
set -euo pipefail

# qt6-base-dev brings Qt Network (libqt6network6) too, which the duel on the network uses.
# qt6-charts-dev needs libqt6opengl6-dev for its CMake files but does not depend on it.
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgl-dev libxkbcommon-dev libbenchmark-dev
  # The statistics database: Qt SQL's SQLite driver, SQLite's own header for its busy handler, and
  # the sqlite3 shell for looking into it.
  libqt6sql6-sqlite libsqlite3-dev sqlite3
  xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core sox valgrind
  # Glyphs for every shipped language (Latin from DejaVu; Japanese and Chinese from WenQuanYi Micro
  # Hei, the smallest Debian font covering both) and Qt's own texts in those languages.
  fonts-wqy-microhei qt6-translations-l10n
  python3 desktop-file-utils appstream
  dpkg-dev lintian
  dbus-daemon at-spi2-core
  # The screen reader test: Orca speaking through speech-dispatcher and espeak-ng on its own bus.
  orca speech-dispatcher speech-dispatcher-espeak-ng dbus-x11 python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  # A package never installed is an error line, which does not match either.
  if ! dpkg-query -W -f='${Status}' "$p" 2>&1 | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
