#!/bin/sh
# The desktop entry, the AppStream metadata and the manual page pass their
# own validators.
# Usage: DesktopFilesTest.sh PACKAGING-BUILD-DIR APP-ID
set -u
dir=$1
id=$2
failed=0
desktop-file-validate "$dir/$id.desktop" || failed=1
appstreamcli validate --no-net --explain "$dir/$id.metainfo.xml" || failed=1
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$dir/quorvan.6" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man: $warnings"; failed=1; }
exit $failed
