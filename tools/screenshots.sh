#!/usr/bin/env bash
# Plays the real game under Xvfb and takes screenshots of its windows into
# docs/screenshots/: the setup window, a stage in play in each edition, and
# the hidden enemy-count entry and the stage clear message; then on a
# 1920 x 1080 desktop with the openbox window manager, where the game picks
# scale 2: the setup window, play, the paused panel, and the message window
# over a playfield that was moved. The frames' numbers are printed.
# Needs openbox and x11-utils (xwininfo, xprop) beside what scripts/install-deps installs.
#   tools/screenshots.sh [BUILD_DIR]      (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
# Titles and texts are matched as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8
game=$(realpath "${1:-build/release}")/quorvan
out=$(realpath docs)/screenshots
mkdir -p "$out"

shoot() {  # EDITION
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    edition=$1 out=$2
    SDL_AUDIODRIVER=dummy "$3" 2>/dev/null &
    pid=$!
    for _ in $(seq 150); do
      setup=$(xdotool search --name "\(95/NT\)" 2>/dev/null | head -1 || true)
      [ -n "$setup" ] && break
      sleep 0.1
    done
    sleep 0.7
    eval "$(xdotool getwindowgeometry --shell "$setup")"
    px() { echo $(( $1 / 15 )); }
    if [ "$edition" = 1 ]; then import -window root "$out/setup.png"; fi
    # Option2 sits at (1080, 2160) twips, the button is centred at (3187, 2775).
    if [ "$edition" = 2 ]; then xdotool mousemove $((X + $(px 1200))) $((Y + $(px 2280))) click 1; fi
    xdotool mousemove $((X + $(px 3187))) $((Y + $(px 2775))) click 1
    sleep 1.5
    xdotool keydown Right; sleep 2; xdotool keyup Right
    xdotool key space; sleep 0.4
    import -window root "$out/play-edition$edition.png"
    if [ "$edition" = 1 ]; then
      # The hidden enemy-count entry clears the stage at once.
      xdotool key Menu; sleep 0.7
      import -window root "$out/enemy-entry.png"
      xdotool key ctrl+a; xdotool type 0; xdotool key Return
      sleep 1.2
      import -window root "$out/stage-clear.png"
    fi
    kill $pid; wait $pid || true
  ' _ "$1" "$out" "$game"
}
# Client and frame (client plus the window manager's borders) of a window.
frames() {
  cat <<'EOS'
frame() {  # NAME WINDOW
  eval "$(xwininfo -id "$2" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4} /Width:/{print "w="$2} /Height:/{print "h="$2}')"
  set -- "$1" $(xprop -id "$2" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g') 0 0 0 0
  echo "$1: client ${w}x${h}+${x}+${y}, frame $((w + $2 + $3))x$((h + $4 + $5))+$((x - $2))+$((y - $4))"
}
EOS
}

desktop() {  # SCALE-ARGS...
  xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "$(frames)"'
    set -euo pipefail
    out=$1 game=$2; shift 2
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    SDL_AUDIODRIVER=dummy "$game" "$@" 2>/dev/null &
    pid=$!
    find() { for _ in $(seq 100); do id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true); [ -n "$id" ] && { echo "$id"; return; }; sleep 0.1; done; }
    setup=$(find "\(95/NT\)")
    sleep 1
    frame setup "$setup"
    suffix=${1:+-$(echo "$*" | tr -d " -")}
    [ -z "$suffix" ] && import -window root "$out/desktop-setup.png"
    xdotool key --window "$setup" Return
    panel=$(find "Quorvan Windows /32")
    field=$(xdotool search --onlyvisible --name "^Quorvan Windows / 32\$" | head -1)
    sleep 1.5
    frame panel "$panel"; frame playfield "$field"
    xdotool key Right; sleep 0.3
    import -window root "$out/desktop-play$suffix.png"
    if [ -z "$suffix" ]; then
      xdotool key p; sleep 0.5
      import -window root "$out/desktop-paused.png"
      xdotool key p
      # The window manager moves the panel; the playfield comes along.
      xdotool windowmove "$panel" 700 300; sleep 0.7
      frame "moved panel" "$panel"; frame "moved playfield" "$field"
      xdotool key Menu; sleep 0.7
      xdotool key ctrl+a; xdotool type 0; xdotool key Return
      sleep 1.2
      import -window root "$out/desktop-message-moved.png"
    fi
    kill $pid; wait $pid || true
    kill $wm
  ' _ "$out" "$game" "$@"
}

shoot 1
shoot 2
desktop
desktop --scale 1
ls -l "$out"
