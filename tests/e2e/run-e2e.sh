#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end: stages an installation tree, starts the real launcher under Xvfb,
# waits for its window and takes a screenshot; opens the About box with "?", takes
# a screenshot of it and closes it with its OK button; drags the window by its title
# panel with the left and the right mouse button; presses "LAUNCH!" and checks what the
# demo stand-in of the game was given; launches once more with the keyboard alone
# (Ctrl+Return); writes the exec file again with --write-cfg without a display and
# compares; closes the launcher with its own "Close" button, answers the question about
# changed settings with Cancel and then Save, and checks that the profile was saved and
# the program ended.
set -euo pipefail
# E2E_TRACE=1 traces every step.
[ -n "${E2E_TRACE:-}" ] && set -x
if [ "${1:-}" != "--inside-xvfb" ]; then
  launcher="$1"; out="$2"; makedemo="$3"; standin="$4"
  rm -rf "$out"; mkdir -p "$out/quake2/TARRAKIND"
  "$makedemo" "$out/quake2" TARRAKIND
  cp "$launcher" "$out/quake2/TARRAKIND/tarrakind"
  cp "$standin" "$out/quake2/quake2"
  # A display number of its own: xvfb-run -a alone races with another test run started at
  # the same moment for the first free number.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" --inside-xvfb "$out"
fi
out="$2"
# The launcher must open a real window on the Xvfb display.
unset QT_QPA_PLATFORM
# A home of its own: no script or demo of the machine's user may take part.
export HOME="$out/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
pid=""

fail() {
  echo "$1"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Polls a command every 0.1 s until it succeeds; fails after $1 tenths of a second.
wait_for() {
  local tries="$1"; shift
  for _ in $(seq 1 "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The main window carries the application title; the dialogs are told by their class.
main_window() { xdotool search --onlyvisible --name '^Tarrakind!$' 2>/dev/null | head -n1 || true; }
visible_windows() { xdotool search --onlyvisible --class '^tarrakind$' 2>/dev/null || true; }

# The launcher's visible window other than the main window: the About box.
find_about() {
  about=$(visible_windows | grep -vx "$wid" | head -n1 || true)
  [ -n "$about" ]
}
about_gone() { ! visible_windows | grep -qx "$about"; }

# A screenshot counts once the window is drawn: more than a handful of colours.
shoot() {
  import -window "$1" "$2" 2>/dev/null && [ "$(identify -format %k "$2")" -gt 8 ]
}

geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

at() { local w="$1" x="$2" y="$3"; geometry "$w"; [ "$X" -eq "$x" ] && [ "$Y" -eq "$y" ]; }

# Drags the main window by its title panel with mouse button $1 by ($2, $3), in two
# steps as a hand does, and checks that it moved by exactly that distance.
drag() {
  local button="$1" dx="$2" dy="$3"
  geometry "$wid"
  local x0=$X y0=$Y gx=$((X + 150)) gy=$((Y + 12))
  xdotool mousemove "$gx" "$gy" mousedown "$button"
  xdotool mousemove $((gx + dx / 2)) $((gy + dy / 2))
  wait_for 20 at "$wid" $((x0 + dx / 2)) $((y0 + dy / 2)) || { geometry "$wid"; fail "half-way drag with button $button: window at $X,$Y, not $((x0 + dx / 2)),$((y0 + dy / 2))"; }
  xdotool mousemove $((gx + dx)) $((gy + dy)) mouseup "$button"
  wait_for 20 at "$wid" $((x0 + dx)) $((y0 + dy)) || { geometry "$wid"; fail "drag with button $button: window at $X,$Y, not $((x0 + dx)),$((y0 + dy))"; }
  # Released, the pointer moves on without the window.
  xdotool mousemove $((gx + dx + 30)) $((gy + dy + 20))
  sleep 0.2
  at "$wid" $((x0 + dx)) $((y0 + dy)) || fail "the window follows the pointer after the release of button $button"
}

run() {
  cd "$out/quake2/TARRAKIND"
  # With some of Qt's own options, which the window takes as any Qt program does.
  ./tarrakind -style fusion -display "$DISPLAY" & pid=$!
  wid=""
  find_main() { wid=$(main_window); [ -n "$wid" ]; }
  wait_for 100 find_main || fail "no launcher window"
  wait_for 50 shoot root "$out/screenshot.png" || fail "no screenshot"
  geometry "$wid"
  [ "$WIDTH" -eq 594 ] && [ "$HEIGHT" -eq 441 ] || fail "window is ${WIDTH}x${HEIGHT}"
  has_icon() { [[ "$(xprop -id "$1" _NET_WM_ICON)" == *'Icon (48 x 48)'* ]]; }
  has_icon "$wid" || fail "the window carries no icon"

  # "?" sits at the right end of the title panel, left of "Close".
  xdotool mousemove $((X + WIDTH - 61)) $((Y + 13)) click 1
  wait_for 50 find_about || fail "no About box"
  geometry "$about"
  [ "$WIDTH" -eq 268 ] && [ "$HEIGHT" -eq 207 ] || fail "About box is ${WIDTH}x${HEIGHT}"
  has_icon "$about" || fail "the About box carries no icon"
  wait_for 50 shoot "$about" "$out/about.png" || fail "no screenshot of the About box"
  # "OK" runs across the bottom of the box.
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 16)) click 1
  wait_for 50 about_gone || fail "the About box did not close"

  drag 1 40 30
  drag 3 -70 -50

  # "LAUNCH!" sits at the right end of the bottom strip. The demo profile needs no
  # question before the start; the stand-in notes what it was given.
  geometry "$wid"
  xdotool mousemove $((X + WIDTH - 60)) $((Y + HEIGHT - 14)) click 1
  started() { grep -q 'argv\[6\] = "TARRAKIND"' "$out/quake2/standin.log" 2>/dev/null; }
  wait_for 100 started || fail "the game stand-in was not started with the quoted game directory"
  grep -q '^Exec file: *.*/quake2/TARRAKIND/tark.cfg$' "$out/quake2/standin.log" || fail "the stand-in found no exec file"
  pkill -f "^$out/quake2/quake2" || true

  # The keyboard alone: Ctrl+Return presses "LAUNCH!" from the tab on show. The launcher
  # gets the keyboard focus as a window manager would give it.
  mv "$out/quake2/standin.log" "$out/quake2/standin-mouse.log"
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers ctrl+Return
  wait_for 100 started || fail "Ctrl+Return did not start the game stand-in"
  pkill -f "^$out/quake2/quake2" || true

  # The command line, without a display, writes the same exec file for the same profile.
  mv tark.cfg "$out/window.cfg"
  env -u DISPLAY -u WAYLAND_DISPLAY ./tarrakind --write-cfg >"$out/written" || fail "--write-cfg failed"
  [ "$(cat "$out/written")" = "$out/quake2/TARRAKIND/tark.cfg" ] || fail "--write-cfg printed $(cat "$out/written")"
  cmp "$out/window.cfg" tark.cfg || fail "--write-cfg wrote another exec file than the window's LAUNCH!"

  # Nothing was changed so far: the title carries no marker (the main window is found by
  # its exact title). Alt+D opens "DM Flags"; a click ticks "No Health", and the title
  # says the settings changed.
  [ -n "$(main_window)" ] || fail "the title marks settings as changed that nobody changed"
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers alt+d
  geometry "$wid"
  xdotool mousemove $((X + 22)) $((Y + 86)) click 1
  changed() { xdotool search --onlyvisible --name '^Tarrakind! \*$' >/dev/null 2>&1; }
  wait_for 50 changed || fail "ticking No Health did not mark the settings as changed"

  # "Close" sits at the right end of the title panel. The launcher asks whether to save
  # the changed settings: Escape (Cancel) keeps it open, Return (Save) saves the profile
  # and closes.
  find_question() { question=$(visible_windows | grep -vx "$wid" | head -n1 || true); [ -n "$question" ]; }
  question_gone() { ! visible_windows | grep -qx "$question"; }
  answer() {
    geometry "$wid"
    xdotool mousemove $((X + WIDTH - 26)) $((Y + 11)) click 1
    wait_for 50 find_question || fail "no question about the changed settings on Close"
    xdotool windowfocus --sync "$question" key "$1"
    wait_for 50 question_gone || fail "the question did not go on $1"
  }
  answer Escape
  sleep 0.2
  kill -0 "$pid" 2>/dev/null || fail "the launcher closed although the question was cancelled"
  grep -q '^AskDiscard=' "$out/quake2/TARRAKIND/default.tsf" && fail "the profile was saved on Cancel"
  answer Return
  ended() { ! kill -0 "$pid" 2>/dev/null; }
  wait_for 50 ended || fail "launcher did not close"
  grep -q '^AskDiscard=1' "$out/quake2/TARRAKIND/default.tsf" || fail "Save did not save the profile"
  # "No Health" is the flags' lowest bit.
  grep -Eq '^DMFlags=[0-9]*[13579].?$' "$out/quake2/TARRAKIND/default.tsf" || fail "Save did not save the ticked No Health"
  wait "$pid"
  pid=""
  echo "window shown, screenshot taken; About box opened by \"?\", shot and closed by OK;" \
    "window dragged by its title panel with the left and the right button; LAUNCH! started the game" \
    "stand-in with the quoted game directory, and so did Ctrl+Return; --write-cfg without a display" \
    "wrote the same exec file; the title marked settings as changed only once No Health was ticked; Close asked about the changed settings, kept the window open on Cancel" \
    "and saved the profile and closed on Save"
}
run
