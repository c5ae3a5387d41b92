#!/bin/sh
# The real game under Xvfb, recorded while xdotool plays a short game in the
# second edition (moves, fire, the hidden Wing entry) that ends by closing the
# status panel. The recording must replay frame by frame, in the simulator
# and with --replay in the real windows, whatever keys are pressed meanwhile.
# Usage: RecordReplayTest.sh GAME SIM SEND-WINDOW-CLOSE COMPARE-FRAMES
# Exits 77 (skipped) when xvfb-run, xdotool or python3 is missing.
set -u
game=$1 sim=$2 close=$3 compare=$4
# Titles, recordings and traces are read as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8

if [ "${QUORVAN_INSIDE_XVFB:-}" != 1 ]; then
  for tool in xvfb-run xdotool python3; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  QUORVAN_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi

out=$(mktemp -d)
wm=
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  wm=$!
fi
pid=
fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  rm -rf "$out"
  exit 1
}
window() {  # the visible window whose title matches, waiting up to 40 s: a busy machine may show it late
  for _ in $(seq 400); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
}
frames() { if [ -s "$1" ]; then grep -c '^[0-9]' "$1"; else echo 0; fi; }
wait_frames() {
  until=$(( $(frames "$out/frames.txt") + $1 ))
  while [ "$(frames "$out/frames.txt")" -lt $until ]; do sleep 0.05; done
}

QUORVAN_FRAME_LOG="$out/frames.txt" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
  "$game" --record "$out/recording.txt" 2>/dev/null &
pid=$!
setup=$(window '95/NT')
[ -n "$setup" ] || fail "the setup window never appeared"
sleep 0.5
xdotool mousemove --window "$setup" 212 152 click 1   # the second edition
sleep 0.3
xdotool mousemove --window "$setup" 212 185 click 1   # "Quorvan,Set up!"
panel=$(window 'Quorvan KP / 32')
[ -n "$panel" ] || fail "the status panel never appeared"
field=$(window '^Quorvan Windows / 32$')
wait_frames 2
xdotool mousemove --window "$field" 300 300 click 1
# Held past the server's repeat delay: repeated downs, and one up at the end.
xdotool keydown Right; wait_frames 8; xdotool keyup Right
xdotool key space; wait_frames 2
xdotool key Scroll_Lock
dialog=$(window 'ずるいな')
[ -n "$dialog" ] || fail "the Wing entry never appeared"
sleep 0.3
xdotool key ctrl+a; xdotool type 3; xdotool key Return
wait_frames 2
xdotool key space; wait_frames 3
"$close" "$panel" || fail "cannot send the close request"
wait "$pid" || fail "the recorded game ended with code $?"
pid=
grep -q '^entry 3$' "$out/recording.txt" || fail "the Wing entry was not recorded"
downs=$(grep -c 'key down 39 ' "$out/recording.txt")
ups=$(grep -c 'key up 39 ' "$out/recording.txt")
[ "$downs" -ge 3 ] && [ "$ups" -eq 1 ] ||
  fail "a held Right gave $downs downs and $ups ups, not repeated downs and one up"

(cd "$out" && "$sim" recording.txt >trace.jsonl) || fail "the simulator refused the recording"
python3 "$compare" "$out/frames.txt" "$out/trace.jsonl" || fail "the simulator played another game"

QUORVAN_FRAME_LOG="$out/replay.txt" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
  timeout 60 "$game" --replay "$out/recording.txt" 2>/dev/null &
pid=$!
field=$(window '^Quorvan Windows / 32$')
[ -n "$field" ] || fail "the replay never showed the playfield"
xdotool mousemove --window "$field" 300 300 click 1   # the replay keeps these from the game
xdotool key Left Left space ctrl; xdotool keydown Right; sleep 0.5; xdotool keyup Right
wait "$pid" || fail "the replay ended with code $?"
pid=
python3 "$compare" "$out/frames.txt" "$out/replay.txt" || fail "the replay played another game"
[ -n "$wm" ] && kill "$wm" 2>/dev/null
rm -rf "$out"
