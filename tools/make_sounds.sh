#!/bin/sh
# Regenerates the game's music and sound effects from their sources.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
for source in "$root"/assets/src/music/Quor*.txt; do
  name=$(basename "$source" .txt)
  python3 "$root/tools/midigen.py" "$source" "$root/assets/$name.mid"
done
python3 "$root/tools/sfxgen.py" "$root/assets"
