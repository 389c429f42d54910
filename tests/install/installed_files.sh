#!/usr/bin/env bash
# `cmake --install` puts a valid desktop entry, metainfo and icons under the prefix, and the
# installed launcher runs the program in the user's data directory.
set -euo pipefail
build=$1
. "$(dirname "$0")/common.sh"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null
share=$stage/usr/share

desktop-file-validate "$share/applications/$app_id.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "the metainfo does not validate"
grep -q '<name>zi多功能计算器</name>' "$share/metainfo/$app_id.metainfo.xml" || fail "the metainfo lacks the Chinese name"
grep -q '^Name=zi多功能计算器$' "$share/applications/$app_id.desktop" || fail "the menu entry lacks the Chinese name"
grep -q '<screenshot' "$share/metainfo/$app_id.metainfo.xml" || fail "the metainfo has no screenshot"
grep -q '<release version=' "$share/metainfo/$app_id.metainfo.xml" || fail "the metainfo has no release"
[ -s "$share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
[ "$(png_size "$share/icons/hicolor/48x48/apps/$app_id.png")" = 48x48 ] || fail "the 48 px icon is not 48 × 48"
[ -x "$stage/usr/bin/zicalc" ] || fail "no launcher on PATH"
[ -x "$stage/usr/libexec/zicalc/zicalc" ] || fail "no program"
[ -s "$share/zicalc/test.dat" ] || fail "no starter bank"

check_launcher "$stage/usr"
echo "installed files: ok"
