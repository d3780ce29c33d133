#!/usr/bin/env bash
# End-to-end: stages an installation tree, starts the real launcher under Xvfb,
# waits for its window, takes a screenshot, closes it with its own "Close" button
# and checks that the program ended.
set -euo pipefail
if [ "${1:-}" != "--inside-xvfb" ]; then
  launcher="$1"; out="$2"; makedemo="$3"
  rm -rf "$out"; mkdir -p "$out/quake2/TARRAKIND"
  "$makedemo" "$out/quake2" TARRAKIND
  cp "$launcher" "$out/quake2/TARRAKIND/tarrakind"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-xvfb "$out"
fi
out="$2"

run() {
  cd "$out/quake2/TARRAKIND"
  ./tarrakind & pid=$!
  wid=""
  for _ in $(seq 1 100); do
    wid=$(xdotool search --name '^Tarrakind!$' 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "no launcher window"; kill $pid; exit 1; }
  sleep 1
  import -window root "$out/screenshot.png"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  [ "$WIDTH" -eq 594 ] && [ "$HEIGHT" -eq 441 ] || { echo "window is ${WIDTH}x${HEIGHT}"; kill $pid; exit 1; }
  # "Close" sits at the right end of the title panel.
  xdotool mousemove $((X + WIDTH - 26)) $((Y + 11)) click 1
  for _ in $(seq 1 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $pid 2>/dev/null; then echo "launcher did not close"; kill $pid; exit 1; fi
  wait $pid
  [ -s "$out/screenshot.png" ] || { echo "no screenshot"; exit 1; }
  echo "window shown, screenshot taken, closed by its Close button"
}
run
