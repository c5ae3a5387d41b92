#!/bin/sh
# The command line of the real game, with no display: what each call prints
# where, and its exit code.
# Usage: CommandLineTest.sh GAME VERSION
set -u
game=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}
quorvan() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$work/out" 2>"$work/err"
}

# arguments | exit code | the stream that carries the text | its first line
while IFS='|' read -r args code stream first; do
  first=$(echo "$first" | sed "s/@VERSION@/$version/")
  # shellcheck disable=SC2086 # the arguments are split on purpose
  quorvan $args
  got=$?
  other=err
  [ "$stream" = err ] && other=out
  if [ "$got" -ne "$code" ]; then
    fail "quorvan $args exits $got, not $code"
  elif [ "$(head -n 1 "$work/$stream")" != "$first" ]; then
    fail "quorvan $args: std$stream begins '$(head -n 1 "$work/$stream")'"
  elif [ -s "$work/$other" ]; then
    fail "quorvan $args also writes to std$other: $(cat "$work/$other")"
  fi
done <<'TABLE'
--help|0|out|Usage: quorvan [OPTION]...
-h|0|out|Usage: quorvan [OPTION]...
--version|0|out|quorvan @VERSION@
--bogus|2|err|quorvan: unknown option '--bogus'
--help --bogus|2|err|quorvan: unknown option '--bogus'
stage7|2|err|quorvan: unexpected argument 'stage7'
café|2|err|quorvan: unexpected argument 'caf\xc3\xa9'
|1|err|quorvan: no display found: run it on a desktop, or set QT_QPA_PLATFORM=offscreen
TABLE

# An argument cannot break the refusal's line nor send the terminal commands.
quorvan "$(printf 'two\nlines\033[2J')"
[ "$(head -n 1 "$work/err")" = "quorvan: unexpected argument 'two\\x0alines\\x1b[2J'" ] ||
  fail "an argument with a line break is not shown on one line: $(head -n 1 "$work/err")"

quorvan --bogus
[ "$(sed -n 2p "$work/err")" = "Usage: quorvan [OPTION]..." ] ||
  fail "a refused command line is not followed by the usage"
quorvan --help
[ "$(wc -l <"$work/out")" -le 24 ] || fail "--help is longer than one screen"
[ "$(awk '{ if (length > n) n = length } END { print n }' "$work/out")" -le 80 ] ||
  fail "--help is wider than 80 columns"
grep -Eiq 'scroll|num ?lock|F1[45]|menu|applications' "$work/out" &&
  fail "--help names a hidden entry's key"
exit $failed
