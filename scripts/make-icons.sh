#!/bin/sh
# Builds the icon tool and redraws icons/*.png, icons/app/org.orvelle.Pantrix.svg
# and icons/app/hicolor/. Given a directory, also writes enlarged copies of
# every icon there, on the header colour, for a look at the pixels.
#
#     scripts/make-icons.sh [preview directory]
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pantrix_icons
if [ $# -gt 0 ]; then
    build/tools/pantrix_icons icons --preview "$1"
else
    build/tools/pantrix_icons icons
fi
