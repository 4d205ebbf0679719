#!/bin/sh
# Runs a command (the leak road) under LeakSanitizer on a scratch data
# directory and fails when a leaked block was allocated from the project's own
# code. Leaks that only Qt's or the system's libraries hold at exit are not
# the project's and are ignored.
#
# Usage: check_leaks.sh <source directory> <command> [argument ...]
set -eu
source_dir="$1"
shift
log_dir="$(mktemp -d)"
trap 'rm -rf "$log_dir"' EXIT
status=0
# Under AddressSanitizer a leak report ends the process with ASan's exit
# code, 1 by default, which the road's own failures could also give; 23 keeps
# "leaks found" apart.
ASAN_OPTIONS="detect_leaks=1:exitcode=23:log_path=$log_dir/leaks" QT_QPA_PLATFORM=offscreen \
    XDG_DATA_HOME="$log_dir/data" "$@" || status=$?
cat "$log_dir"/leaks.* 2>/dev/null >"$log_dir/all" || true
# Exit code 0, or 23 with nothing but leak reports in the log, means the road
# ran through; any other failure, or any other sanitizer report, fails the check.
if [ "$status" -ne 0 ] && { [ "$status" -ne 23 ] \
    || grep -q -e "ERROR: AddressSanitizer" -e "runtime error:" "$log_dir/all"; }; then
    cat "$log_dir/all"
    echo "the leak road failed with exit code $status"
    exit 1
fi
# A report block ends with an empty line; keep blocks whose frames name a
# project source file.
awk -v src="$source_dir/src/" 'BEGIN { RS = ""; bad = 0 }
    /(Direct|Indirect) leak/ && index($0, src) { print; print ""; bad = 1 }
    END { exit bad }' "$log_dir/all"
echo "no leaks from the project's own code"
