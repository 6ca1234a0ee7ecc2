#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing ZELIRO need.
# Safe to run again: it installs only what is missing. Runs as root, or as a
# user with sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins libqt6printsupport6
  # the verification plot (Qt Charts needs Qt OpenGL's CMake files), the translations (lupdate, lrelease) and Qt's own Italian texts
  qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the serial link to a NanoVNA-type analyser
  qt6-serialport-dev
  # the NEC-2 engine that checks a design by simulation
  nec2c
  fonts-liberation2 fonts-dejavu-core
  cups cups-client cups-bsd cups-filters poppler-utils
  # the print queue is reached through the CUPS library, off the event loop
  libcups2-dev
  # the font configuration, read on another core while Qt starts
  libfontconfig-dev
  xvfb xauth x11-utils
  clang libclang-rt-14-dev
  # installing as a desktop program: tests/check-install.sh, scripts/check-deb.sh
  appstream desktop-file-utils dpkg-dev mmdebstrap
  # title bars on the pictures of scripts/screenshots.sh
  openbox
  # the screen reader's view of tests/screenreader_test.sh
  dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
