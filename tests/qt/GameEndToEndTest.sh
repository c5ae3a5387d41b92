#!/bin/sh
# The real game under Xvfb with no window manager: the setup button starts a
# game, the enemy-count entry takes its keys, and closing the status panel
# ends the program with code 0. The game runs with no locale at all, as a
# login that sets no LANG leaves it, and its Japanese titles must still be
# found by name.
# Usage: GameEndToEndTest.sh GAME SEND-WINDOW-CLOSE [SCREENSHOT]
# Exits 77 (skipped) when xvfb-run, xdotool or xprop is missing.
set -u
game=$1
close=$2
shot=${3:-}
# The tools read and match the titles as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8

if [ "${QUORVAN_INSIDE_XVFB:-}" != 1 ]; then
  for tool in xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  QUORVAN_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi

# The window whose title matches, once it is mapped; empty after 20 s.
find_window() {
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
}

# Waits until the window holds the keyboard focus, or fails saying WHAT.
wait_focus() {  # WINDOW WHAT
  for _ in $(seq 200); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return
    sleep 0.1
  done
  fail "$2 never took the keyboard focus"
}

fail() {
  echo "FAIL: $*"
  kill "$pid" 2>/dev/null
  exit 1
}

env -u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_MESSAGES \
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
field=$(find_window '^Quorvan Windows / 32$')
[ -n "$field" ] || fail "the playfield never appeared"
wait_focus "$field" "the playfield"
xdotool key Menu
entry=$(find_window 'ずるいな')
[ -n "$entry" ] || fail "the enemy-count entry never opened, or its title cannot be found by name"
# A taskbar that reads only the legacy title must show it too.
xprop -id "$entry" WM_NAME | grep -q '"ずるいな！"' ||
  fail "the entry's WM_NAME does not read its title: $(xprop -id "$entry" WM_NAME)"
wait_focus "$entry" "the enemy-count entry"
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
