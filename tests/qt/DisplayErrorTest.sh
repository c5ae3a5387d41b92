#!/bin/sh
# The real game where no display can be opened: one line on stderr and exit
# code 1, never the toolkit's abort.
# Usage: DisplayErrorTest.sh GAME
game=$1
status=0
check() {  # WHAT, then the environment to run in
  what=$1
  shift
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" SDL_AUDIODRIVER=dummy "$game" 2>err.txt
  code=$?
  lines=$(wc -l <err.txt)
  if [ "$code" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q '^quorvan: cannot open the display' err.txt; then
    echo "FAIL: $what: exit $code, stderr:"
    cat err.txt
    status=1
  fi
}
cd "$(mktemp -d)" || exit 1
check "no X server on the display" DISPLAY=:999
check "an unusable platform plugin" DISPLAY=:999 QT_QPA_PLATFORM=bogus
exit $status
