#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The command line without a display: --help and --version, a bad argument, Qt's options,
# --check's exit status, --write-cfg and --launch on a staged demo installation whose game is a
# script that notes its arguments.
set -euo pipefail
launcher="$1"; out="$2"; makedemo="$3"
rm -rf "$out"; mkdir -p "$out/quake2/TARRAKIND" "$out/home"
"$makedemo" "$out/quake2" TARRAKIND
cp "$launcher" "$out/quake2/TARRAKIND/tarrakind"
printf '#!/bin/sh\necho "$*" > "$(dirname "$0")/started"\n' > "$out/quake2/quake2"
chmod +x "$out/quake2/quake2"
export HOME="$out/home"
unset XDG_DATA_HOME
tk() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/quake2/TARRAKIND/tarrakind" "$@"; }
fail() { echo "FAIL: $1"; exit 1; }
# run EXPECTED-STATUS ARGS...: stdout in $out/stdout, stderr in $out/stderr.
run() {
  local want="$1"; shift
  local got=0
  tk "$@" >"$out/stdout" 2>"$out/stderr" || got=$?
  [ "$got" -eq "$want" ] || { cat "$out/stderr"; fail "tarrakind $* exited $got, not $want"; }
}

run 0 --help
grep -q '^Usage: tarrakind ' "$out/stdout" || fail "--help prints no usage"
grep -q -- '--write-cfg' "$out/stdout" || fail "--help does not name --write-cfg"
grep -q -- '-style, -platform, -display' "$out/stdout" || fail "--help does not name Qt's options"
run 0 --version
version=$(sed -n '1s/^Tarrakind \([0-9.]*\)$/\1/p' "$out/stdout")
[ -n "$version" ] || fail "--version does not begin with the version: $(head -n1 "$out/stdout")"
grep -q 'GPL-2.0-or-later' "$out/stdout" || fail "--version does not name the licence"
run 2 --bogus
grep -q '^Usage: tarrakind ' "$out/stderr" || fail "a bad argument gives no usage line"
[ ! -s "$out/stdout" ] || fail "a bad argument prints to standard output"

# The demo's profile has nothing to find; one with a server too small for its bots has.
run 0 --check
[ ! -s "$out/stdout" ] || fail "--check found something in the demo profile: $(cat "$out/stdout")"
# Qt's own options are taken and, without a window, ignored (no X display is asked for).
run 0 -style fusion --check -platform xcb -display :99 -reverse
run 2 --check -style
grep -q -- '-style needs a value' "$out/stderr" || fail "a Qt option without its value gave: $(cat "$out/stderr")"
cd "$out"
printf '[ServerOptions]\r\nMaxClients=2\r\n' | cat quake2/TARRAKIND/default.tsf - > small.tsf
run 1 --check small.tsf
[ "$(wc -l < stdout)" -eq 1 ] && grep -q 'the server has room for 1' stdout || fail "--check printed: $(cat stdout)"

run 0 --write-cfg small.tsf
[ "$(cat stdout)" = "$out/quake2/TARRAKIND/tark.cfg" ] || fail "--write-cfg printed $(cat stdout)"
grep -q '^tarrakind: warning: .*room for 1' stderr || fail "--write-cfg gave no warning: $(cat stderr)"
grep -q '^set maxclients 2' quake2/TARRAKIND/tark.cfg || fail "the exec file is not the profile's"
[ ! -e quake2/started ] || fail "--write-cfg started the game"

run 1 --launch small.tsf
[ ! -e quake2/started ] || fail "--launch started the game despite the finding"
run 0 --launch --force small.tsf
for _ in $(seq 1 50); do [ -s quake2/started ] && break; sleep 0.1; done
[ "$(cat quake2/started)" = '+set dedicated 0 +set game "TARRAKIND" +exec tark.cfg' ] \
  || fail "the game was started with: $(cat quake2/started 2>/dev/null)"
echo "help, version, bad argument, check, write-cfg and launch all right without a display"
