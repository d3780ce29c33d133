#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Renders the PNG icons from the logo's SVG. Run after changing the SVG and commit the
# result; the build uses the committed files and needs no SVG renderer. Needs
# rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../desktop"
id=org.tarrakind.Launcher
for size in 16 24 32 48 64 128 256; do
  dir="icons/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert -w "$size" -h "$size" "$id.svg" -o "$dir/$id.png"
done
