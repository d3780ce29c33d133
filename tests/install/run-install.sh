#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# run-install.sh layout|desktop|tarball <build dir> <source dir> <output dir>
#   layout:  cmake --install into a game directory; the installed launcher runs.
#   desktop: the metainfo and the desktop entry the launcher writes pass their
#            validators; the entry names the installed launcher and goes again.
#   tarball: cpack's tarball holds what the install holds, without a top folder.
set -euo pipefail
part="$1"; build="$2"; source="$3"; out="$4"
rm -rf "$out"; mkdir -p "$out"
fail() { echo "FAIL: $1"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
id=org.tarrakind.Launcher
expected_files() {
  printf '%s\n' share/doc/tarrakind/CHANGELOG.md share/doc/tarrakind/LICENSE share/doc/tarrakind/README.md
  for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
  printf '%s\n' "share/icons/hicolor/scalable/apps/$id.svg" share/man/man6/tarrakind.6 \
    "share/metainfo/$id.metainfo.xml" tarrakind
}
# A game directory as players have it: the Quake II directory's name has a blank.
game="$out/Quake II/tarrakind"
install_game() { cmake --install "$build" --prefix "$game" >/dev/null; }

case "$part" in
layout)
  install_game
  diff <(expected_files | sort) <(cd "$game" && find . -type f | sed 's|^\./||' | sort) \
    || fail "the installed files differ (< expected, > installed)"
  first=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game/tarrakind" --version | sed -n 1p)
  [ "$first" = "Tarrakind $version" ] || fail "the installed launcher says \"$first\", not \"Tarrakind $version\""
  echo "installed into a game directory; the installed launcher is version $version"
  ;;
desktop)
  command -v appstreamcli >/dev/null || { echo "skipped: no appstreamcli (package appstream)"; exit 77; }
  command -v desktop-file-validate >/dev/null \
    || { echo "skipped: no desktop-file-validate (package desktop-file-utils)"; exit 77; }
  install_game
  metainfo="$game/share/metainfo/$id.metainfo.xml"
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | sed -n 1p | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "the newest release of CHANGELOG.md is $newest, the project is $version"
  for picture in $(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|.*/\([^/<]*\)</image>|\1|'); do
    [ -f "$source/docs/screenshots/$picture" ] || fail "the metainfo shows $picture, which docs/screenshots lacks"
  done

  data="$out/data"
  XDG_DATA_HOME="$data" env -u DISPLAY -u WAYLAND_DISPLAY "$game/tarrakind" --install-desktop-entry >"$out/written"
  entry="$data/applications/$id.desktop"
  grep -qx "$entry" "$out/written" || fail "--install-desktop-entry did not name $entry"
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
  grep -qx "Exec=\"$game/tarrakind\"" "$entry" || fail "the entry does not run $game/tarrakind: $(grep '^Exec=' "$entry")"
  [ -f "$data/icons/hicolor/48x48/apps/$id.png" ] || fail "no 48 px icon beside the entry"
  XDG_DATA_HOME="$data" "$game/tarrakind" --remove-desktop-entry >/dev/null
  left=$(find "$data" -type f)
  [ -z "$left" ] || fail "--remove-desktop-entry left $left"
  echo "metainfo and desktop entry valid; the entry runs the installed launcher and is removed again"
  ;;
tarball)
  (cd "$build" && cpack -G TGZ -B "$out" >/dev/null)
  tarball="$out/tarrakind-$version-linux-$(uname -m).tar.gz"
  [ -f "$tarball" ] || fail "no $tarball: $(ls "$out")"
  diff <(expected_files | sort) <(tar -tzf "$tarball" | sed 's|^\./||' | grep -v '/$' | sort) \
    || fail "the tarball's files differ (< expected, > in the tarball)"
  echo "$(basename "$tarball") unpacks into a game directory: launcher, icons, metainfo, man page, licence, README"
  ;;
*) fail "no part $part" ;;
esac
