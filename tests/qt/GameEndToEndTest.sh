#!/bin/sh
# The real game under Xvfb with no window manager: the setup button starts a
# game, the enemy-count entry takes its keys, and closing the status panel
# ends the program with code 0.
# Usage: GameEndToEndTest.sh GAME SEND-WINDOW-CLOSE [SCREENSHOT]
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -u
game=$1
close=$2
shot=${3:-}

if [ "${QUORVAN_INSIDE_XVFB:-}" != 1 ]; then
  if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "skipped: xvfb-run or xdotool is missing"
    exit 77
  fi
  QUORVAN_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi

# The window whose title matches, once it is mapped; empty after 10 s.
find_window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
}

fail() {
  echo "FAIL: $*"
  kill "$pid" 2>/dev/null
  exit 1
}

SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$game" &
pid=$!

setup=$(find_window '95/NT')
[ -n "$setup" ] || fail "the setup window never appeared"
# The setup button's centre: (3187, 2775) twips from the client's origin.
xdotool mousemove --window "$setup" 212 185 click 1

panel=$(find_window 'Quorvan Windows /32')
[ -n "$panel" ] || fail "the status panel never appeared after the setup button"
sleep 1
[ -n "$shot" ] && import -window root "$shot"
kill -0 "$pid" 2>/dev/null || fail "the game ended before its panel was closed"

# With nobody to hand it the focus, the entry must take it itself: the
# game's own windows refuse keys while it is open.
xdotool key Menu
[ -n "$(find_window 'ずるいな')" ] || fail "the enemy-count entry never opened"
sleep 0.5
xdotool key ctrl+a type 0
xdotool key Return
[ -n "$(find_window '^Quorvan$')" ] || fail "the entry did not take its keys: no stage clear"

"$close" "$panel" || fail "cannot send the close request"
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game still runs 5 s after its panel was closed"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo "the game ended with code 0"
