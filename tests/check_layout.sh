#!/bin/sh
# Every screen, sheet and dialog, in English and Russian, on a phone (both
# ways round, at scale 2), a tablet both ways round and a desktop: the
# screenshot tool's check that nothing is cut off by the window or its box
# and that no texts run into one another. The sizes run side by side, as the
# tool mostly waits for animations to end.
#
# Usage: check_layout.sh <pantrix_screenshots> <output directory>
set -u
tool="$1" output="$2"
status=0 pids=""
for size in 360x640:2 640x360:2 480x800:1 800x480:1 1920x1080:1; do
    QT_QPA_PLATFORM=offscreen "$tool" --check --size "${size%:*}" --scale "${size#*:}" \
        "$output/${size%:*}" > "$output/${size%:*}.log" 2>&1 &
    pids="$pids $!"
done
for pid in $pids; do
    wait "$pid" || status=1
done
grep -h -e " is cut off" -e " runs into " -e "screenshots in" "$output"/*.log
exit $status
