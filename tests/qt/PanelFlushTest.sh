#!/bin/sh
# The real game under Xvfb with openbox, at zoom 1, 2 and 3, and at zoom 2
# while it records: the status panel's frame stands on the playfield, the
# bottom of one the top of the other, pixel for pixel, and as wide.
# Usage: PanelFlushTest.sh GAME [SCREENSHOT_PREFIX]
# Exits 77 (skipped) when xvfb-run, xdotool, xwininfo or openbox is missing.
set -u
game=$1
shots=${2:-}
# Titles and geometry are read as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8

if [ "${QUORVAN_INSIDE_XVFB:-}" != 1 ]; then
  for tool in xvfb-run xdotool xwininfo openbox; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  QUORVAN_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 2560x1600x24" sh "$0" "$@"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
wm=$!
pid=
trap 'kill $pid $wm 2>/dev/null; rm -rf "$work"' EXIT

# The window whose title matches, once it is mapped; empty after 10 s.
find_window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
}

# The outer rectangle of a window with the frame its window manager drew
# (none for a window without one): left top width height.
outer() {
  xwininfo -id "$1" | awk -v extents="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null)" '
    BEGIN { if (split(extents, e, /[=,] */) == 5) { l = e[2]; r = e[3]; t = e[4]; b = e[5] } }
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width/ { w = $NF } /^ *Height/ { h = $NF }
    END { print x - l, y - t, w + l + r, h + t + b }'
}

failures=0
for run in 1 2 3 2r; do
  zoom=${run%r}
  # The recorder stands between the game and its windows: their moves and
  # frames must still reach the game.
  record=
  [ "$run" != "$zoom" ] && record="--record $work/game.txt"
  # shellcheck disable=SC2086
  SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$game" --scale "$zoom" $record 2>"$work/stderr" &
  pid=$!
  setup=$(find_window '95/NT')
  [ -n "$setup" ] || { echo "FAIL: no setup window at zoom $zoom"; exit 1; }
  # The setup button's centre: (3187, 2775) twips from the client's origin.
  xdotool mousemove --window "$setup" $((3187 * zoom / 15)) $((2775 * zoom / 15)) click 1
  panel=$(find_window 'Quorvan Windows /32')
  [ -n "$panel" ] || { echo "FAIL: no status panel at zoom $zoom"; exit 1; }
  field=$(find_window 'Quorvan Windows / 32')
  # The panel stands on the playfield once openbox has framed it.
  for _ in $(seq 50); do
    set -- $(outer "$panel") $(outer "$field")
    [ $(($2 + $4)) -eq "$6" ] && break
    sleep 0.1
  done
  if [ $(($2 + $4)) -ne "$6" ] || [ "$1" -ne "$5" ] || [ "$3" -ne "$7" ]; then
    echo "FAIL: zoom $zoom${record:+, recording}: panel $1,$2 ${3}x$4 over playfield $5,$6 ${7}x$8"
    failures=$((failures + 1))
  else
    echo "zoom $zoom${record:+, recording}: panel $1,$2 ${3}x$4 on playfield $5,$6 ${7}x$8"
  fi
  [ -n "$shots" ] && import -window root "$shots$run.png"
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=
done
[ "$failures" -eq 0 ]
