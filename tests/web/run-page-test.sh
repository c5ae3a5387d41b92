#!/bin/sh
# Plays a scripted game in Debian's chromium on the built page (play-test.mjs),
# then plays with pads, fingers and Alt+Enter (pad-touch-test.mjs).
# Usage: run-page-test.sh SITE SIM COMPARE-FRAMES
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$here/node_modules/playwright-core" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --silent)
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
node "$here/play-test.mjs" "$1" "$2" "$3" "$out" || {
  code=$?
  # What the player would have seen is kept for a look.
  mkdir -p "$here/../../build/web-test" && cp -r "$out"/. "$here/../../build/web-test/"
  echo "screens and logs kept in build/web-test"
  exit $code
}
node "$here/pad-touch-test.mjs" "$1"
