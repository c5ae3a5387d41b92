#!/bin/sh
# The real game under Xvfb with openbox goes fullscreen and back at three
# screen sizes: a black backdrop covers the screen, the status panel and the
# playfield stand in its middle at the largest whole zoom that fits, a click
# on the backdrop leaves the game's windows above it with the keys, the pause
# and an entry play as in the windows, and leaving brings back the windowed zoom and places. The game that goes from
# zoom 3 to 2 and back is recorded: the keys that toggle never reach it, and
# the simulator plays the same game from the recording, so going fullscreen
# changed no rule.
# Usage: FullscreenTest.sh GAME SIM SEND-WINDOW-CLOSE COMPARE-FRAMES [SCREENSHOT_FOLDER]
# Exits 77 (skipped) when xvfb-run, xdotool, xwininfo, xprop, wmctrl, openbox
# or python3 is missing.
set -u
game=$1 sim=$2 close=$3 compare=$4 shots=${5:-}
# Titles, recordings and traces are read as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8

if [ -z "${QUORVAN_CASE:-}" ]; then
  for tool in xvfb-run xdotool xwininfo xprop wmctrl openbox python3; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  failures=0
  # screen | the game's arguments | the key that toggles | windowed zoom | fullscreen zoom
  while read -r line; do
    QUORVAN_CASE=$line xvfb-run -a -s "-screen 0 ${line%%|*}x24" sh "$0" "$@" ||
      failures=$((failures + 1))
  done <<'CASES'
1024x768||F11|1|1
1920x1080||alt+Return|2|2
2560x1440|--fullscreen --record|F11|2|3
CASES
  exit "$failures"
fi

IFS='|' read -r screen args key windowed full <<EOF
$QUORVAN_CASE
EOF
width=${screen%x*} height=${screen#*x}
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
wm=$!
pid=
trap 'kill $pid $wm 2>/dev/null; rm -rf "$work"' EXIT

find_window() {  # the window whose title matches, once it is mapped; empty after 40 s
  for _ in $(seq 400); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return
    sleep 0.1
  done
}
outer() {  # left top width height, with the frame openbox drew
  [ -n "$1" ] || return  # xwininfo would wait for a click on some window
  xwininfo -id "$1" | awk -v extents="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null)" '
    BEGIN { if (split(extents, e, /[=,] */) == 5) { l = e[2]; r = e[3]; t = e[4]; b = e[5] } }
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width/ { w = $NF } /^ *Height/ { h = $NF }
    END { print x - l, y - t, w + l + r, h + t + b }'
}
frames() { if [ -s "$work/frames.txt" ]; then grep -c '^[0-9]' "$work/frames.txt"; else echo 0; fi; }
played() { [ "$(frames)" -ge "$1" ]; }
wait_frames() { until_so "the game stopped playing" played $(($(frames) + $1)); }
backdrop() { xdotool search --onlyvisible --name '^Quorvan fullscreen$' 2>/dev/null | head -n 1; }
places() { echo "$(outer "$panel") $(outer "$field")"; }
# The pair at ZOOM, the panel flush on the playfield; within 2 pixels of the
# screen's middle when asked.
pair_at() {  # ZOOM [middle]
  set -- "$1" "${2:-}" $(places)  # the panel in $3 to $6, the playfield in $7 to $10
  [ "$9" -eq $((640 * $1)) ] && [ $(($4 + $6)) -eq "$8" ] || return 1
  [ -z "$2" ] && return
  across=$((2 * $7 + $9 - width)) down=$(($4 + $8 + ${10} - height))
  [ $((across * across + down * down)) -le 16 ]
}
fullscreen() { [ "$(outer "$(backdrop)")" = "0 0 $width $height" ] && pair_at "$full" middle; }
windowed() { [ -z "$(backdrop)" ] && pair_at "$windowed" && [ "$(places)" = "$saved" ]; }
until_so() {  # WHAT COMMAND...: polls for up to 40 s
  what=$1
  shift
  for _ in $(seq 400); do "$@" && return; sleep 0.1; done
  echo "FAIL: $screen: $what; panel and playfield at $(places), backdrop '$(outer "$(backdrop)")'"
  exit 1
}

# The game starts once openbox manages windows and hands them the keyboard.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
until_so "openbox did not start" wm_ready
case $args in *--record) args="$args $work/recording.txt" ;; esac
# shellcheck disable=SC2086 # the arguments are split on purpose
QUORVAN_FRAME_LOG="$work/frames.txt" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
  "$game" $args 2>/dev/null &
pid=$!
setup=$(find_window '95/NT')
[ -n "$setup" ] || { echo "FAIL: $screen: no setup window"; exit 1; }
zoom=$windowed
[ -n "$args" ] && zoom=$full
# The setup button's centre: (3187, 2775) twips from the client's origin.
xdotool mousemove --window "$setup" $((3187 * zoom / 15)) $((2775 * zoom / 15)) click 1
panel=$(find_window 'Quorvan Windows /32')
field=$(find_window '^Quorvan Windows / 32$')
[ -n "$panel" ] && [ -n "$field" ] || { echo "FAIL: $screen: no status panel or playfield"; exit 1; }
if [ -n "$args" ]; then
  until_so "--fullscreen did not start so" fullscreen
  xdotool key "$key"
fi
# Once openbox has framed the panel and the game has stood it on the playfield.
until_so "the pair never stood at zoom $windowed" sh -c "xprop -id $panel _NET_FRAME_EXTENTS | grep -q ="
until_so "the pair never stood at zoom $windowed" pair_at "$windowed"
saved=$(places)
xdotool key "$key"
until_so "$key did not go fullscreen at zoom $full" fullscreen
middle=$(places)
xdotool mousemove 1 1 click 1
# Openbox has dealt with the click once it answers a request sent after it.
desktops=$(($(xprop -root _NET_NUMBER_OF_DESKTOPS | sed 's/.*= //') + 1))
wmctrl -n "$desktops"
until_so "openbox did not answer" sh -c "xprop -root _NET_NUMBER_OF_DESKTOPS | grep -q '= $desktops\$'"
order() { xprop -root _NET_CLIENT_LIST_STACKING | tr ', ' '\n\n' | grep -n "^$(printf '%#x' "$1")\$" | cut -d: -f1; }
[ "$(xdotool getactivewindow)" = "$field" ] && [ "$(order "$(backdrop)")" -lt "$(order "$panel")" ] &&
  [ "$(order "$(backdrop)")" -lt "$(order "$field")" ] || {
  echo "FAIL: $screen: the backdrop took the keys or came up: $(xprop -root _NET_CLIENT_LIST_STACKING)"
  exit 1
}
# The keys, the pause and an entry play as in the windows.
xdotool key Right Right space p p Scroll_Lock
entry=$(find_window 'ずるいな')
[ -n "$entry" ] || { echo "FAIL: $screen: no Wing entry in fullscreen"; exit 1; }
until_so "the entry never took the keys" sh -c "[ \$(xdotool getactivewindow) = $entry ]"
[ -n "$shots" ] && import -window root "$shots/fullscreen-$screen.png"
xdotool key ctrl+a
xdotool type 3
xdotool key Return
wait_frames 5
xdotool key "$key"
until_so "$key did not bring back the windowed zoom and places $saved" windowed
xdotool key Left space
wait_frames 5
"$close" "$panel" && wait "$pid" || { echo "FAIL: $screen: the game ended with code $?"; exit 1; }
pid=
if [ -f "$work/recording.txt" ]; then
  grep -E 'key (down|up) 122 ' "$work/recording.txt" && { echo "FAIL: $screen: the game heard $key"; exit 1; }
  [ "$(grep -c 'key down 80 ' "$work/recording.txt")" = 2 ] && grep -q '^entry 3$' "$work/recording.txt" ||
    { echo "FAIL: $screen: the pause or the entry did not reach the game"; exit 1; }
  (cd "$work" && "$sim" recording.txt >trace.jsonl) || { echo "FAIL: $screen: the simulator refused"; exit 1; }
  python3 "$compare" "$work/frames.txt" "$work/trace.jsonl" || { echo "FAIL: $screen: another game"; exit 1; }
fi
echo "$screen: panel and playfield at zoom $windowed at $saved, fullscreen at zoom $full at $middle"
