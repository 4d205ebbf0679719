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
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$stage.log" 2>&1 || {
    cat "$stage.log" >&2
    rm -f "$stage.log"
    exit 1
}
rm -f "$stage.log"
root="$stage$prefix"

sizes="16 24 32 48 64 128 256"
expected="bin/pantrix
share/applications/$id.desktop
share/metainfo/$id.metainfo.xml
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/pantrix.1"
for size in $sizes; do
    expected="$expected
share/icons/hicolor/${size}x${size}/apps/$id.png"
done

installed="$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
wanted="$(printf '%s\n' "$expected" | LC_ALL=C sort)"
if [ "$installed" != "$wanted" ]; then
    echo "FAIL: installed files differ from the expected ones (< expected, > installed):" >&2
    printf '%s\n' "$wanted" >"$stage/wanted"
    printf '%s\n' "$installed" >"$stage/installed"
    diff "$stage/wanted" "$stage/installed" >&2 || true
    exit 1
fi
if [ -n "$(find "$stage" -path "$root" -prune -o ! -type d -print)" ]; then
    echo "FAIL: files installed outside $prefix" >&2
    exit 1
fi
[ -x "$root/bin/pantrix" ] || { echo "FAIL: bin/pantrix is not executable" >&2; exit 1; }

# Width and height are the two big-endian words at bytes 16 to 23 of a PNG.
for size in $sizes; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    header="$(od -An -tx1 -N8 "$png" | tr -d ' \n')"
    dimensions="$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')"
    if [ "$header" != "89504e470d0a1a0a" ] \
        || [ "$dimensions" != "$(printf '%08x%08x' "$size" "$size")" ]; then
        echo "FAIL: $png is not a ${size}x${size} PNG ($dimensions)" >&2
        exit 1
    fi
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" \
    || { echo "FAIL: the scalable icon is not an SVG document" >&2; exit 1; }

desktop-file-validate "$root/share/applications/$id.desktop"
if groff -man -ww -z -Tutf8 "$root/share/man/man1/pantrix.1" 2>&1 | grep .; then
    echo "FAIL: the manual page has formatting errors" >&2
    exit 1
fi
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"

# The names that tie the three together, and the version against the build's.
grep -qx "Icon=$id" "$root/share/applications/$id.desktop" \
    || { echo "FAIL: the desktop entry does not name the icon $id" >&2; exit 1; }
grep -qx "Exec=pantrix" "$root/share/applications/$id.desktop" \
    || { echo "FAIL: the desktop entry does not start pantrix" >&2; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/share/metainfo/$id.metainfo.xml" \
    || { echo "FAIL: the metadata does not launch $id.desktop" >&2; exit 1; }
version="$(sed -n 's/^project(Pantrix VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")"
grep -q "<release version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml" \
    || { echo "FAIL: the metadata has no release $version" >&2; exit 1; }

# Each screenshot the metadata names is a file of the tree, of the size given.
sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">[^<]*/raw/branch/main/\([^<]*\)</image>.*|\1 \2 \3|p' \
    "$root/share/metainfo/$id.metainfo.xml" >"$stage/screenshots"
[ -s "$stage/screenshots" ] || { echo "FAIL: the metadata names no screenshots" >&2; exit 1; }
while read -r width height path; do
    dimensions="$(od -An -tx1 -j16 -N8 "$source/$path" 2>/dev/null | tr -d ' \n')"
    if [ "$dimensions" != "$(printf '%08x%08x' "$width" "$height")" ]; then
        echo "FAIL: screenshot $path is missing or not ${width}x${height}" >&2
        exit 1
    fi
done <"$stage/screenshots"

sh "$source/tests/start_and_quit.sh" "$root/bin/pantrix"
echo "ok: $(printf '%s\n' "$expected" | wc -l) files installed under $prefix and checked"
