#!/bin/sh
# The game installed into a fresh prefix and started from / finds its own
# pictures and sounds there, and says nothing on stderr, even with
# XDG_RUNTIME_DIR unset.
# Usage: InstalledGameTest.sh BUILD-DIR CMAKE
set -u
build=$1
cmake=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
assets=$prefix/share/games/quorvan

# Plays the opening demo offscreen from / for 4 s (its jingle starts at
# 0.4 s), with the sound written to $work/sound.raw; it must still be running.
play_demo() {
  (cd / && env -u XDG_RUNTIME_DIR -u DISPLAY QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE="$work/sound.raw" timeout 4 "$prefix/games/quorvan" >"$work/out" 2>"$work/err")
  [ $? -eq 124 ] || fail "the installed game ended by itself: $(cat "$work/err")"
  # SDL's disk driver announces itself; those lines are not the game's.
  sed -i '/^CRITICAL: /d' "$work/err"
}

play_demo
[ -s "$work/err" ] && fail "the installed game writes to stderr: $(cat "$work/err")"
[ "$(tr -d '\000' <"$work/sound.raw" | wc -c)" -gt 0 ] || fail "the demo's jingle is silent"

# Without one of its pictures, the installed game names the installed folder:
# it does not read the source tree's.
rm "$assets/pictures/demo_pose2.xpm"
play_demo
grep -q "in $assets/pictures" "$work/err" ||
  fail "a missing installed picture goes unnoticed: $(cat "$work/err")"
exit $failed
