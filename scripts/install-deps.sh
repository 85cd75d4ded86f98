#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core xvfb xauth xdotool imagemagick appstream desktop-file-utils
          # the screenshot test on Wayland: a headless compositor and Qt's Wayland plugin
          weston qt6-wayland
          clang-format git ccache
          # manual pages and the Debian package (scripts/check-deb.sh)
          man-db groff-base dpkg-dev fakeroot file lintian
          # the setup sheet's PDF read back as text (pdftotext, pdfinfo)
          poppler-utils
          # translations (lupdate, lrelease, Qt's own catalogues) and a font with Chinese glyphs
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
          # the link built for Windows (scripts/check-mingw.sh)
          g++-mingw-w64-x86-64-posix)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
