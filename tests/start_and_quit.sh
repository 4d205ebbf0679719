#!/bin/sh
# Starts an installed pantrix offscreen on a scratch data directory, ends it
# with SIGTERM once it handles that signal, and checks that it quit cleanly:
# exit code 0, the data directory made, the settings written at teardown and
# no scene errors on stderr.
#
# Usage: start_and_quit.sh <pantrix executable>
set -eu

binary="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"

XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
    "$binary" >"$scratch/stdout" 2>"$scratch/stderr" &
pid=$!

# The program catches SIGTERM once its start-up has got that far; before that
# the signal would kill it. Wait for the handler (bit 15 of SigCgt), bounded.
caught=0
tries=0
while [ "$tries" -lt 600 ] && kill -0 "$pid" 2>/dev/null; do
    mask="$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null || true)"
    low="${mask#????????????}"
    if [ -n "$low" ] && [ $((0x$low & 0x4000)) -ne 0 ]; then
        caught=1
        break
    fi
    tries=$((tries + 1))
    sleep 0.1
done
if [ "$caught" -ne 1 ]; then
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    wait "$pid" || status=$?
    echo "FAIL: $binary never came up to handle SIGTERM (exit status $status)" >&2
    cat "$scratch/stderr" >&2
    exit 1
fi

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL: $binary ended with status $status after SIGTERM" >&2
    cat "$scratch/stderr" >&2
    exit 1
fi

data="$scratch/data/Orvelle/PantrixApp"
for path in "$data/lists" "$data/data/config.db"; do
    if [ ! -e "$path" ]; then
        echo "FAIL: $path missing after the quit" >&2
        exit 1
    fi
done
if grep -E 'qrc:|QML|qml|module .* is not installed|Could not|Error' "$scratch/stderr" >&2; then
    echo "FAIL: $binary reported errors on stderr" >&2
    exit 1
fi
echo "ok: $binary started offscreen and quit cleanly on SIGTERM"
