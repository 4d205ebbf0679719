#!/bin/sh
# Builds the screenshot tool and writes a PNG of every screen, sheet and
# dialog, in English and Russian: at 800 x 480 into docs/screenshots/, and on
# a phone (360 x 640 at scale 2), a tablet upright and a desktop into
# docs/screenshots/<size>/.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pantrix_screenshots
export QT_QPA_PLATFORM=offscreen
build/tools/pantrix_screenshots --check docs/screenshots
build/tools/pantrix_screenshots --check --size 360x640 --scale 2 docs/screenshots/360x640
build/tools/pantrix_screenshots --check --size 480x800 docs/screenshots/480x800
build/tools/pantrix_screenshots --check --size 1920x1080 docs/screenshots/1920x1080
