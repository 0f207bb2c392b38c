#!/usr/bin/env bash
# CPU time of pipetto.exe grabbing with the loupe's sample size at 31 x 31 against the one
# pixel, measured as grab_cpu.sh does (user and system time of the Windows process as Linux
# counts it, alternating rounds of 10 s each after 3 s to settle), in two kinds of rounds:
#   1. a still cursor: every grab cycle reads the square and finds the colour it showed;
#   2. a cursor that moves over a colour gradient every 50 ms: nearly every cycle finds a
#      new colour and shows it.
# The size is set as a start after a close with it does: from config.ini.
#
# Usage: DISPLAY=:90 bench/sample_cpu.sh [build-dir] [rounds]
set -euo pipefail
source "$(dirname "$0")/cpu_time.sh"

build=${1:-$BUILD_ROOT/win}
rounds=${2:-3}

show_gradient

# Runs pipetto.exe in a folder of its own for `settle` + `seconds` with the sample size
# given (1 writes no key, as Pipetto itself doesn't), and prints the ticks it used over
# `seconds`.
measure() {
    local size=$1 folder key=
    folder=$(mktemp -d -p "$work")
    cp "$build/bin/pipetto.exe" "$folder/"
    [ "$size" = 1 ] || key="samplesize=$size\r\n"
    printf "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n[loupe]\r\ncursor=True\r\n${key}[hotkey]\r\ngrab=18\r\nloupe=0\r\n" \
        >"$folder/config.ini"
    ticks_of_pipetto_in "$folder"
}

still_one=0 still_area=0 moving_one=0 moving_area=0
for round in $(seq "$rounds"); do
    xdotool mousemove 700 500
    a=$(measure 1)
    b=$(measure 31)
    start_moving_cursor
    c=$(measure 1)
    d=$(measure 31)
    stop_moving_cursor
    printf 'round %d: still cursor one pixel %d ms, 31x31 %d ms; moving cursor one pixel %d ms, 31x31 %d ms\n' \
        "$round" "$(ms "$a")" "$(ms "$b")" "$(ms "$c")" "$(ms "$d")"
    still_one=$((still_one + a)) still_area=$((still_area + b))
    moving_one=$((moving_one + c)) moving_area=$((moving_area + d))
done
printf 'per %d s, still cursor: sample 31x31 %d ms, one pixel %d ms: ratio %s (target <= 1.25)\n' "$seconds" \
    "$(ms $((still_area / rounds)))" "$(ms $((still_one / rounds)))" "$(ratio "$still_area" "$still_one")"
printf 'per %d s, moving cursor: sample 31x31 %d ms, one pixel %d ms: ratio %s (target <= 1.25)\n' "$seconds" \
    "$(ms $((moving_area / rounds)))" "$(ms $((moving_one / rounds)))" "$(ratio "$moving_area" "$moving_one")"
