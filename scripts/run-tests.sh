#!/bin/sh
# Installs what is missing, builds everything and runs every test: the suite,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzzing harness for a bounded time, and at the end the Debian package,
# built from a copy of the tree, installed (or unpacked), started and quit.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
fuzz_seconds="${PANTRIX_FUZZ_SECONDS:-20}"

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
(cd build && ctest --output-on-failure --timeout 900 -j2)

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPANTRIX_FUZZ=ON -DPANTRIX_DISPLAY_TESTS=OFF -DPANTRIX_BENCH=OFF -DPANTRIX_QML_CACHEGEN=OFF
cmake --build build-sanitize
export ASAN_OPTIONS="abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
echo "== Fuzzing, ${fuzz_seconds} s per harness"
for harness in listdocument settings; do
    work="build-sanitize/fuzz-work/$harness"
    rm -rf "$work" && mkdir -p "$work/corpus"
    (cd "$work" && "../../fuzz/fuzz_$harness" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 corpus "../../../fuzz/corpus/$harness")
done
echo "== The suite under the sanitizers"
# The kill harness has made its 200 kills in the first run; here it checks
# the sanitized build with fewer, for time.
export PANTRIX_KILLS=40
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-sanitize && ctest --output-on-failure --timeout 1800 -j2)

echo "== The Debian package"
# The suite has passed twice on this tree already; the package is built
# without it (scripts/check-deb.sh alone runs it in the package build).
PANTRIX_DEB_NOCHECK=1 scripts/check-deb.sh
