#!/bin/sh
# Where no display opens the game says so in one line and exits with 1.
cd "$(mktemp -d)" || exit 1
status=0
for platform in "" bogus; do
  env -u WAYLAND_DISPLAY DISPLAY=:999 QT_QPA_PLATFORM=$platform SDL_AUDIODRIVER=dummy "$1" 2>err
  code=$?
  if [ $code -ne 1 ] || [ "$(wc -l <err)" -ne 1 ] || ! grep -q '^quorvan: cannot open the display' err; then
    echo "FAIL with QT_QPA_PLATFORM='$platform': exit $code" && cat err && status=1
  fi
done
exit $status
