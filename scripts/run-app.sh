#!/bin/sh
# Installs what is missing, builds Pantrix and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pantrix
exec build/src/pantrix
