#!/bin/sh
# Builds the Debian package the way a distribution does, from a copy of the
# source tree (so the tree is left untouched), and checks the result: the
# package's files, then the installed executable started offscreen and quit.
# As root the package is installed on this machine with dpkg (which also
# checks its dependencies) and removed again afterwards, unless it was
# installed before; otherwise it is unpacked into a scratch root.
#
# The package and its build records stay in build-deb/. With
# PANTRIX_DEB_NOCHECK=1 the package is built without its tests (nocheck).
set -eu
cd "$(dirname "$0")/.."
source="$(pwd)"
out="$source/build-deb"
version="$(dpkg-parsechangelog -l debian/changelog -S Version)"
upstream="${version%%-*}"
arch="$(dpkg-architecture -q DEB_HOST_ARCH)"
id=org.orvelle.Pantrix

rm -rf "$out"
mkdir -p "$out/pantrix-$upstream"
tar -C "$source" --exclude='./build*' --exclude='./obj-*' --exclude='./.git' \
    --exclude='./debian/pantrix' --exclude='./debian/.debhelper' --exclude='./debian/.test-home' \
    -cf - . | tar -C "$out/pantrix-$upstream" -xf -

echo "== dpkg-buildpackage -us -uc in $out/pantrix-$upstream"
start="$(date +%s)"
(cd "$out/pantrix-$upstream" \
    && DEB_BUILD_OPTIONS="${PANTRIX_DEB_NOCHECK:+nocheck }parallel=${PANTRIX_DEB_JOBS:-2}" dpkg-buildpackage -us -uc >"$out/build.log" 2>&1) || {
    tail -n 200 "$out/build.log" >&2
    echo "FAIL: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
    exit 1
}
echo "built in $(($(date +%s) - start)) s; log in $out/build.log"
grep -E '^(100% tests passed|[0-9]+% tests passed)' "$out/build.log" || true

deb="$out/pantrix_${version}_${arch}.deb"
[ -f "$deb" ] || { echo "FAIL: $deb was not made" >&2; exit 1; }
[ -f "$out/pantrix_${version}.dsc" ] || { echo "FAIL: no source package" >&2; exit 1; }

# The package's files, apart from the documentation debhelper adds.
files="$(dpkg-deb --fsys-tarfile "$deb" | tar -tf - | grep -v '/$' | grep -v '^\./usr/share/doc/' | LC_ALL=C sort)"
wanted="./usr/bin/pantrix
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/24x24/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/pantrix.1.gz
./usr/share/metainfo/$id.metainfo.xml"
wanted="$(printf '%s\n' "$wanted" | LC_ALL=C sort)"
if [ "$files" != "$wanted" ]; then
    echo "FAIL: the package's files differ from the expected ones:" >&2
    printf '%s\n' "$wanted" >"$out/wanted.txt"
    printf '%s\n' "$files" >"$out/packaged.txt"
    diff "$out/wanted.txt" "$out/packaged.txt" >&2 || true
    exit 1
fi
dpkg-deb -f "$deb" Package Version Depends

if [ "$(id -u)" -eq 0 ]; then
    installed_before=0
    dpkg-query -W -f='${Status}' pantrix 2>/dev/null | grep -q "install ok installed" \
        && installed_before=1
    echo "== dpkg -i $deb"
    dpkg -i "$deb"
    status=0
    sh tests/start_and_quit.sh /usr/bin/pantrix || status=$?
    if [ "$installed_before" -eq 0 ]; then
        dpkg -r pantrix >/dev/null
    fi
    [ "$status" -eq 0 ] || exit "$status"
else
    root="$out/root"
    echo "== dpkg -x $deb $root (not root: unpacked, not installed)"
    dpkg -x "$deb" "$root"
    sh tests/start_and_quit.sh "$root/usr/bin/pantrix"
fi
echo "ok: $deb builds, holds the expected files, starts and quits"
