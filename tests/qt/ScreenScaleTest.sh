#!/bin/sh
# The real game picks its scale from the screen it starts on: the setup
# window's width at each screen, against its width at scale 1.
# Usage: ScreenScaleTest.sh GAME
# Exits 77 (skipped) when xvfb-run, xdotool or xprop is missing.
set -u
game=$1
# Titles are matched as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8

for tool in xvfb-run xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

# The setup window's width on a SCREEN, with the desktop's WORKAREA ("" for
# none) and the game's ARGS. The server must keep the work area when xprop,
# its first client, leaves.
width() {  # SCREEN WORKAREA ARGS
  xvfb-run -a -s "-screen 0 ${1}x24 -noreset" sh -c '
    [ -n "$1" ] && xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$1"
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$0" $2 2>/dev/null &
    pid=$!
    for _ in $(seq 100); do
      id=$(xdotool search --onlyvisible --name "95/NT" 2>/dev/null | head -n 1)
      [ -n "$id" ] && break
      sleep 0.1
    done
    [ -n "$id" ] && xdotool getwindowgeometry --shell "$id" | sed -n "s/^WIDTH=//p"
    kill "$pid"' "$game" "$2" "$3"
}

one=$(width 1024x768 "" "")
[ -n "$one" ] || { echo "FAIL: no setup window at 1024x768"; exit 1; }
failures=0
# screen, work area, arguments, scale
while IFS='|' read -r screen area args scale; do
  got=$(width "$screen" "$area" "$args")
  if [ "$got" != $((one * scale)) ]; then
    echo "FAIL: $screen, work area '$area', '$args': width $got, expected $((one * scale))"
    failures=$((failures + 1))
  fi
done <<'CASES'
1920x1080|||2
1920x1080|0, 0, 1920, 500||1
1920x1080||--scale 1|1
3840x2160|||4
CASES
[ "$failures" -eq 0 ] && echo "every screen took its scale"
[ "$failures" -eq 0 ]
