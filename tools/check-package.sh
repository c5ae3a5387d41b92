#!/usr/bin/env bash
# Builds the Debian package and proves it, in one go:
#  - lintian, and the validators of the desktop entry, the AppStream metadata
#    and the manual page;
#  - a fresh Debian 12 root (debootstrap --variant=minbase bookworm) in which
#    apt installs the package with its dependencies, the game runs from / on
#    an Xvfb display (with openbox) and is photographed in its opening demo
#    and at its setup window, and `man quorvan` works.
# Needs root (debootstrap, chroot) and the Debian mirror. The untouched root
# is kept as a tarball in OUTPUT-DIR, so later runs skip debootstrap.
#
#   tools/check-package.sh [OUTPUT-DIR]     (default build/check-package)
#
# Writes OUTPUT-DIR/demo.png, OUTPUT-DIR/setup.png and OUTPUT-DIR/game.err.
set -euo pipefail
cd "$(dirname "$0")/.."
# Titles and texts are matched as UTF-8, whatever the login set.
export LC_ALL=C.UTF-8
if [ "$(id -u)" -ne 0 ]; then
  echo "check-package: run it as root: it builds a Debian root with debootstrap and runs the game in it" >&2
  exit 1
fi
out=$(realpath -m "${1:-build/check-package}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
display=:${QUORVAN_CHECK_DISPLAY:-180}
mkdir -p "$out"

step() { printf '\n=== %s\n' "$*"; }

step "tools"
scripts/install-deps dpkg-dev file lintian debootstrap openbox xdotool

step "package"
cmake --preset package >/dev/null
cmake --build --preset package
cpack --preset package >/dev/null
deb=$(ls build/package/quorvan_*.deb)
echo "$deb: $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Package Version Architecture Installed-Size Depends Recommends Section

step "lintian"
lintian --pedantic --display-info "$deb" >"$out/lintian.txt" 2>&1 || true
sed -i '/^running with root privileges/d' "$out/lintian.txt"
cat "$out/lintian.txt"
if grep -q '^E:' "$out/lintian.txt"; then
  echo "check-package: lintian reports errors" >&2
  exit 1
fi
echo "lintian: $(grep -c '^[EWIP]:' "$out/lintian.txt" || true) tags"

step "desktop entry, AppStream metadata, manual page"
sh tests/install/DesktopFilesTest.sh build/package/packaging \
  "$(sed -n 's/^QUORVAN_APP_ID:[A-Z]*=//p' build/package/CMakeCache.txt)"
echo "all valid"

step "a fresh Debian 12 root"
pristine=$out/bookworm-minbase.tar
if [ ! -f "$pristine" ]; then
  rm -rf "$out/debootstrap"
  debootstrap --variant=minbase bookworm "$out/debootstrap" "$mirror"
  tar -C "$out/debootstrap" -cf "$pristine" .
  rm -rf "$out/debootstrap"
fi
root=$out/root
rm -rf "$root"
mkdir -p "$root"
tar -C "$root" -xf "$pristine"

server=
wm=
game=
cleanup() {
  set +e
  for pid in $game $wm $server; do
    kill "$pid" 2>/dev/null
  done
  local mounted=
  for mount in tmp/.X11-unix dev/pts dev proc; do
    mountpoint -q "$root/$mount" && umount -l "$root/$mount"
    mountpoint -q "$root/$mount" && mounted=yes
  done
  # Never remove a root through a mount that is still there.
  [ -z "$mounted" ] && rm -rf "$root"
  return 0
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

step "apt-get install ./$(basename "$deb")"
in_root apt-get update -q
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./$(basename "$deb")"
if in_root ldd /usr/games/quorvan | grep 'not found'; then
  echo "check-package: the installed game misses libraries" >&2
  exit 1
fi
in_root /usr/games/quorvan --version
in_root /usr/games/quorvan --help >"$out/help.txt"
head -n 1 "$out/help.txt"

step "the installed game from /, on $display"
if [ -e "/tmp/.X11-unix/X${display#:}" ]; then
  echo "check-package: display $display is in use; choose another with QUORVAN_CHECK_DISPLAY" >&2
  exit 1
fi
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do
  DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
# chroot, env and sh each exec the next, so $! is the game itself.
chroot "$root" env -i HOME=/root LANG=C.UTF-8 DISPLAY="$display" SDL_AUDIODRIVER=disk \
  SDL_DISKAUDIOFILE=/tmp/sound.raw sh -c 'cd / && exec /usr/games/quorvan' 2>"$out/game.err" &
game=$!
# The demo letters its logo for about 3.5 s after its window is made, then
# makes way for the setup window. Windows are looked for by name only: asking
# whether they are viewable missed the short-lived demo now and then.
made() {
  for _ in $(seq 200); do
    DISPLAY=$display xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "check-package: no window named '$1' on $display; its windows:" >&2
  DISPLAY=$display xdotool search --name . getwindowname %@ >&2 || true
  import -display "$display" -window root "$out/missing-window.png" || true
  return 1
}
black() { [ "$(convert "$out/$1.png" -format '%[fx:maxima]' info:)" = 0 ]; }
made '^Zemtal$' || exit 1
# Its window is named a moment before it is first painted, and on a busy
# machine that moment can be long: the shot is taken again until it shows.
sleep 2.5
for _ in $(seq 10); do
  import -display "$display" -window root "$out/demo.png"
  black demo || break
  sleep 0.1
done
made '95/NT' || exit 1
sleep 1
import -display "$display" -window root "$out/setup.png"
for shot in demo setup; do
  if black "$shot"; then
    echo "check-package: the $shot screenshot is black" >&2
    exit 1
  fi
done
kill -0 "$game" || { echo "check-package: the game ended early:" >&2; cat "$out/game.err" >&2; exit 1; }
kill "$game"
wait "$game" || true
game=
echo "stderr of the game (SDL's disk driver announces itself):"
sed 's/^/  /' "$out/game.err"
echo "sound written: $(tr -d '\000' <"$root/tmp/sound.raw" | wc -c) non-zero bytes of $(stat -c %s "$root/tmp/sound.raw")"
echo "screenshots: $out/demo.png $out/setup.png"

step "man quorvan"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q man-db >/dev/null
in_root env MANPAGER=cat MANWIDTH=80 man quorvan >"$out/man.txt"
head -n 12 "$out/man.txt"
echo "check-package: all passed"
