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
fail() { echo "FAIL: $binary $*" >&2; cat "$scratch/stderr" >&2; exit 1; }

XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
    "$binary" >"$scratch/stdout" 2>"$scratch/stderr" &
pid=$!

# The program catches SIGTERM once its start-up has got that far; before that
# the signal would kill it. Wait for the handler (bit 15 of SigCgt), bounded.
tries=0
until low="$(sed -n 's/^SigCgt:[[:space:]]*.\{12\}//p' "/proc/$pid/status" 2>/dev/null)"
    [ $((0x${low:-0} & 0x4000)) -ne 0 ]; do
    tries=$((tries + 1))
    [ "$tries" -le 600 ] && kill -0 "$pid" 2>/dev/null \
        || { kill -KILL "$pid" 2>/dev/null || true; fail "never came up to handle SIGTERM"; }
    sleep 0.1
done

kill -TERM "$pid"
wait "$pid" || fail "ended with status $? after SIGTERM"

data="$scratch/data/Orvelle/PantrixApp"
[ -d "$data/lists" ] || fail "left no $data/lists after the quit"
[ -e "$data/data/config.db" ] || fail "left no $data/data/config.db after the quit"
! grep -E 'qrc:|QML|qml|module .* is not installed|Could not|Error' "$scratch/stderr" >&2 \
    || fail "reported errors on stderr"
echo "ok: $binary started offscreen and quit cleanly on SIGTERM"
