#!/usr/bin/env bash
# CPU time of pipetto.exe grabbing with the contrast window open against closed, measured
# as grab_cpu.sh does (user and system time of the Windows process as Linux counts it,
# alternating rounds of 10 s each after 3 s to settle), in two kinds of rounds:
#   1. a still cursor: every grab cycle finds the colour it showed already;
#   2. a cursor that moves over a colour gradient every 50 ms: nearly every cycle finds a
#      new colour, which the contrast window then judges and shows.
# The window is opened as a start-up after a close with it open does: from config.ini.
#
# Usage: DISPLAY=:90 bench/contrast_cpu.sh [build-dir] [rounds]
set -euo pipefail
source "$(dirname "$0")/cpu_time.sh"

build=${1:-$BUILD_ROOT/win}
rounds=${2:-3}

show_gradient

# Runs pipetto.exe in a folder of its own for `settle` + `seconds`, the contrast window open
# ("open") or not, and prints the ticks it used over `seconds`.
measure() {
    local open=$1 folder
    folder=$(mktemp -d -p "$work")
    cp "$build/bin/pipetto.exe" "$folder/"
    printf '[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n[contrast]\r\nx=320\r\ny=100\r\nopen=%s\r\n' \
        "$([ "$open" = open ] && echo True || echo False)" >"$folder/config.ini"
    ticks_of_pipetto_in "$folder"
}


still_closed=0 still_open=0 moving_closed=0 moving_open=0
for round in $(seq "$rounds"); do
    xdotool mousemove 700 500
    a=$(measure closed)
    b=$(measure open)
    start_moving_cursor
    c=$(measure closed)
    d=$(measure open)
    stop_moving_cursor
    printf 'round %d: still cursor closed %d ms, open %d ms; moving cursor closed %d ms, open %d ms\n' \
        "$round" "$(ms "$a")" "$(ms "$b")" "$(ms "$c")" "$(ms "$d")"
    still_closed=$((still_closed + a)) still_open=$((still_open + b))
    moving_closed=$((moving_closed + c)) moving_open=$((moving_open + d))
done
printf 'per %d s, still cursor: contrast open %d ms, closed %d ms: ratio %s (target <= 1.10)\n' "$seconds" \
    "$(ms $((still_open / rounds)))" "$(ms $((still_closed / rounds)))" "$(ratio "$still_open" "$still_closed")"
printf 'per %d s, moving cursor: contrast open %d ms, closed %d ms: ratio %s (target <= 1.10)\n' "$seconds" \
    "$(ms $((moving_open / rounds)))" "$(ms $((moving_closed / rounds)))" "$(ratio "$moving_open" "$moving_closed")"
