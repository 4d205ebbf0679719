#!/bin/sh
# Runs the leak road under LeakSanitizer and fails when a leaked block was
# allocated from the project's own code. Leaks that only Qt's or the
# system's libraries hold at exit are not the project's and are ignored.
set -eu
road="$1"
source_dir="$2"
log_dir="$(mktemp -d)"
trap 'rm -rf "$log_dir"' EXIT
status=0
ASAN_OPTIONS="detect_leaks=1:log_path=$log_dir/leaks" \
QT_QPA_PLATFORM=offscreen "$road" || status=$?
# 23 is LeakSanitizer's own exit code for "leaks found"; anything else but 0
# means the road itself failed.
if [ "$status" -ne 0 ] && [ "$status" -ne 23 ]; then
    cat "$log_dir"/leaks.* 2>/dev/null || true
    echo "the leak road failed with exit code $status"
    exit 1
fi
cat "$log_dir"/leaks.* 2>/dev/null > "$log_dir/all" || true
# A report block ends with an empty line; keep blocks whose frames name a
# project source file.
awk -v src="$source_dir/src/" 'BEGIN { RS = ""; bad = 0 }
    /(Direct|Indirect) leak/ && index($0, src) { print; print ""; bad = 1 }
    END { exit bad }' "$log_dir/all"
echo "no leaks from the project's own code"
