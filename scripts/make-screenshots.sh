#!/bin/sh
# Builds the screenshot tool and writes a PNG of every screen, sheet and
# dialog, in English and Russian, into docs/screenshots/.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pantrix_screenshots
QT_QPA_PLATFORM=offscreen build/tools/pantrix_screenshots docs/screenshots
