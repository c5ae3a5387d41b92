#!/usr/bin/env bash
# Plays the real game under Xvfb and takes screenshots of its windows into
# docs/screenshots/: the setup window, a stage in play in each edition, and
# the hidden enemy-count entry and the stage clear message.
#   tools/screenshots.sh [BUILD_DIR]      (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
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
shoot 1
shoot 2
ls -l "$out"
