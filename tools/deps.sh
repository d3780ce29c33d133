#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian packages that building and running the launcher need (only the
# missing ones); with --test-tools also those of the tests, benchmarks, fuzz targets,
# desktop file validators, GLib's launcher (gio) and man. Runs apt-get as root, through
# sudo when not root.
set -euo pipefail
# The build runs lupdate and lrelease (qt6-tools-dev, qt6-l10n-tools); Qt's own translations
# give its dialogs the language of the launcher.
packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n libgl-dev fonts-dejavu-core)
case "${1:-}" in
  "") ;;
  --test-tools)
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
      xvfb xauth x11-utils xdotool imagemagick appstream desktop-file-utils libglib2.0-bin man-db
      groff-base) ;;
  *) echo "usage: tools/deps.sh [--test-tools]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
