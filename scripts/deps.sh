#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing,
# so a machine that already has everything pays for one dpkg query and no more.
set -euo pipefail
# poppler-utils: pdftotext, with which a test reads the printed quote back;
# fonts-liberation: Arial's metrics, which the printed price list is laid out for;
# appstream checks the package's metainfo, dpkg-dev and file let CPack find
# the package's dependencies; libxlsxwriter-dev writes the XLSX workbook and
# the take-off template's XLSX, unzip lets a test read a workbook's sheets
# back, and libzip-dev and libexpat1-dev read a take-off's XLSX (a zip of XML);
# libfontconfig-dev lets the programs load the desktop's fonts on a second core.
packages=(cmake make g++ pkg-config ccache libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqscintilla2-qt6-dev libgl-dev libxlsxwriter-dev clang-format fonts-liberation
  appstream dpkg-dev file libxcb1-dev poppler-utils unzip libzip-dev libexpat1-dev
  libfontconfig-dev)
extra=("$@")
missing=()
for p in "${packages[@]}" "${extra[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi
echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
