#!/bin/sh
# Installs the build into a staging directory, as a package build does, and
# checks the result: exactly the expected files, PNG icons of the size their
# directory names, a valid desktop entry and AppStream metadata, and an
# installed executable that starts offscreen and quits cleanly.
#
# Usage: check_install.sh <build directory> <source directory>
set -eu

build="$1"
source="$2"
id=org.orvelle.Pantrix
prefix=/usr
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/stage"
fail() { echo "FAIL: $*" >&2; exit 1; }
# "WIDTHxHEIGHT" of a PNG: the two big-endian words at bytes 16 to 23, after
# the eight bytes of the signature; empty when the file is not a PNG.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" 2>/dev/null | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}

DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$work/log" 2>&1 \
    || { cat "$work/log" >&2; exit 1; }
root="$stage$prefix"
metainfo="$root/share/metainfo/$id.metainfo.xml"
desktop="$root/share/applications/$id.desktop"

sizes="16 24 32 48 64 128 256"
expected="$(for size in $sizes; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done)
bin/pantrix
share/applications/$id.desktop
share/metainfo/$id.metainfo.xml
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/pantrix.1"
(cd "$stage" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
printf '%s\n' "$expected" | sed "s|^|${prefix#/}/|" | LC_ALL=C sort >"$work/wanted"
diff "$work/wanted" "$work/installed" >&2 \
    || fail "installed files differ from the expected ones (< expected, > installed)"

for size in $sizes; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is not a ${size}x${size} PNG"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" \
    || fail "the scalable icon is not an SVG document"

desktop-file-validate "$desktop"
! groff -man -ww -z -Tutf8 "$root/share/man/man1/pantrix.1" 2>&1 | grep . \
    || fail "the manual page has formatting errors"
appstreamcli validate --no-net "$metainfo"

# The names that tie the three together, and the version against the build's.
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Exec=pantrix" "$desktop" || fail "the desktop entry does not start pantrix"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch $id.desktop"
version="$(sed -n 's/^project(Pantrix VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"

sh "$source/tests/start_and_quit.sh" "$root/bin/pantrix"
echo "ok: $(printf '%s\n' "$expected" | wc -l) files installed under $prefix and checked"
