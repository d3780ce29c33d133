#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# run-install.sh layout|desktop|manpage|tarball <build dir> <source dir> <output dir>
#   layout:  cmake --install into a game directory; the installed launcher runs.
#   desktop: the installed tree and the desktop entry the launcher writes pass their
#            validators; the entry starts the launcher from an odd path and goes again,
#            with the directories it made; another copy's entry is not replaced silently.
#   manpage: the man page is found for the prefix, renders without warnings, is dated
#            and names every option of --help.
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
  printf '%s\n' "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" share/man/man6/tarrakind.6 \
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
  command -v gio >/dev/null || { echo "skipped: no gio (package libglib2.0-bin)"; exit 77; }
  install_game
  metainfo="$game/share/metainfo/$id.metainfo.xml"
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
  appstreamcli validate-tree --no-net "$game" || fail "appstreamcli rejects the installed tree"
  desktop-file-validate "$game/share/applications/$id.desktop" || fail "desktop-file-validate rejects the installed entry"
  for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
    [ -x "$game/bin/$binary" ] || fail "the metainfo provides the binary $binary, which is not in bin"
  done
  grep -Eq '<content_attribute id="violence-[a-z]+">(moderate|intense)<' "$metainfo" \
    || fail "the content rating of a deathmatch game names no violence"
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | sed -n 1p | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "the newest release of CHANGELOG.md is $newest, the project is $version"
  for picture in $(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|.*/\([^/<]*\)</image>|\1|'); do
    [ -f "$source/docs/screenshots/$picture" ] || fail "the metainfo shows $picture, which docs/screenshots lacks"
  done

  data="$out/data"
  entry="$data/applications/$id.desktop"
  # Not through env, which takes a path with "=" for a variable.
  tk() { (unset DISPLAY WAYLAND_DISPLAY; XDG_DATA_HOME="$data" exec "$@"); }
  tk "$game/tarrakind" --install-desktop-entry >"$out/written"
  grep -qx "$entry" "$out/written" || fail "--install-desktop-entry did not name $entry"
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
  grep -qx "Exec=\"$game/tarrakind\"" "$entry" || fail "the entry does not run $game/tarrakind: $(grep '^Exec=' "$entry")"
  [ -f "$data/icons/hicolor/48x48/apps/$id.png" ] || fail "no 48 px icon beside the entry"

  # A second copy whose path holds what the Exec line must quote; GLib's launcher, as menus
  # use it, starts what the entry names (a script in the launcher's place notes its path).
  odd="$out/"$'odd \'"$`\\&;#()=~*?<>|\tdir'
  mkdir -p "$odd"; cp "$game/tarrakind" "$odd/tarrakind"
  tk "$odd/tarrakind" --install-desktop-entry >/dev/null 2>"$out/said"
  grep -qF "another copy of the launcher, $game/tarrakind" "$out/said" || fail "replaced $game's entry without a word"
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry of $odd"
  printf '#!/bin/sh\nprintf %%s "$0" > "%s/started"\n' "$out" >"$odd/tarrakind"
  gio launch "$entry" || fail "gio cannot start the entry: $(grep '^Exec=' "$entry")"
  for _ in $(seq 1 50); do [ -s "$out/started" ] && break; sleep 0.1; done
  [ "$(cat "$out/started" 2>/dev/null)" = "$odd/tarrakind" ] || fail "the entry started $(cat "$out/started" 2>/dev/null)"
  cp "$game/tarrakind" "$odd/tarrakind"
  tk "$odd/tarrakind" --remove-desktop-entry >/dev/null
  left=$(find "$data" -mindepth 1)
  [ -z "$left" ] || fail "--remove-desktop-entry left $left"
  echo "installed tree and desktop entries valid; GLib starts the entry from an odd path; removed with what it made"
  ;;
manpage)
  command -v man >/dev/null && command -v groff >/dev/null || { echo "skipped: no man or groff (man-db, groff-base)"; exit 77; }
  install_game
  page="$game/share/man/man6/tarrakind.6"
  export LC_ALL=C.UTF-8 MANWIDTH=80
  [ "$(MANPATH="$game/share/man" man -w tarrakind)" = "$page" ] || fail "man does not find the page through MANPATH"
  [ "$(env -u MANPATH PATH="$game:$PATH" man -w tarrakind)" = "$page" ] || fail "man does not find the page from the PATH"
  warnings=$( { MANPATH="$game/share/man" man --warnings tarrakind >"$out/page.txt"; } 2>&1; man --warnings -l "$page" 2>&1 >/dev/null; groff -ww -z -man "$page" 2>&1)
  [ -z "$warnings" ] || fail "the man page renders with warnings: $warnings"
  newest=$(sed -n 's/^## [0-9.]* (\(.*\))$/\1/p' "$source/CHANGELOG.md" | head -n1)
  tail -n1 "$out/page.txt" | grep -q " $newest " || fail "the man page is not dated $newest: $(tail -n1 "$out/page.txt")"
  grep -q '^FILES$' "$out/page.txt" || fail "the man page has no FILES section"
  # Every option of --help is an item of OPTIONS.
  sed -n '/^OPTIONS$/,/^[A-Z]/p' "$out/page.txt" | sed -n 's/^       \(-.*\)/\1/p' >"$out/items"
  env -u DISPLAY -u WAYLAND_DISPLAY "$game/tarrakind" --help | grep -oE '^  (-[a-z], )?--[a-z-]+' \
    | grep -oE -- '-[a-z-]+' | while read -r option; do
      grep -qE -- "(^|, )$option(,|$)" "$out/items" || fail "the man page does not name $option"
    done
  echo "man page found through MANPATH and PATH, without warnings, dated $newest, with every option and FILES"
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
