#!/usr/bin/env bash
# `make package` builds a .deb whose files are where its desktop entry and metainfo say, which
# runs from where it is unpacked, and in which lintian finds no error.
set -euo pipefail
build=$1
. "$(dirname "$0")/common.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    fail "cpack failed"
}
deb=$(ls "$scratch"/out/zicalc_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "shlibdeps did not add the Qt libraries"
grep -q 'libc6' <<<"$depends" || fail "shlibdeps did not add libc"
grep -q 'fonts-noto-cjk' <<<"$depends" || fail "no CJK font in Depends"

root=$scratch/root
dpkg -x "$deb" "$root"
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"

# What the desktop entry names: the command on PATH and the icon in the hicolor theme.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "Icon=$icon_name has no SVG"
[ "$(png_size "$root/usr/share/icons/hicolor/48x48/apps/$icon_name.png")" = 48x48 ] || fail "Icon=$icon_name has no 48 px PNG"
# What the metainfo names: its launchable entry and its stock icon.
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$root/usr/share/applications/$launchable" ] || fail "the metainfo launches $launchable, which is not there"
stock=$(sed -n 's:.*<icon type="stock">\(.*\)</icon>.*:\1:p' "$metainfo")
[ "$stock" = "$icon_name" ] || fail "the metainfo's icon $stock is not the menu entry's $icon_name"
[ "$(basename "$metainfo" .metainfo.xml)" = "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")" ] ||
    fail "the metainfo file is not named by its id"
[ -s "$root/usr/share/zicalc/test.dat" ] || fail "no starter bank"
[ -s "$root/usr/share/doc/zicalc/copyright" ] || fail "no copyright file"

# Unpacked anywhere, the launcher finds its program and bank beside it.
check_launcher "$root/usr"

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports an error"
echo "package: ok"
