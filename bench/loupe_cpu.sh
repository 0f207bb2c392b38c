#!/usr/bin/env bash
# CPU time of pipetto.exe with the loupe, in two comparisons, measured as grab_cpu.sh does
# (user and system time of the Windows process as Linux counts it, alternating rounds of
# 10 s each after 3 s to settle, a still cursor):
#   1. the loupe shown and updating, against loupe_cpu_reads.exe, which only does the cursor
#      position and the 30 x 30 -> 130 x 130 stretching copy every 30 ms;
#   2. the loupe hidden (as at start-up), against a pipetto.exe that only grabs (one built
#      before there was a loupe, given as the second argument).
#
# Usage: DISPLAY=:90 bench/loupe_cpu.sh [build-dir] [grab-only pipetto.exe] [rounds]
set -euo pipefail
source "$(dirname "$0")/cpu_time.sh"

build=${1:-$BUILD_ROOT/win}
grab_only=${2:-}
rounds=${3:-3}

# Runs one program (in a folder of its own, without config.ini) for `settle` + `seconds`
# and prints the ticks it used over `seconds`. With "open", the loupe is opened first.
measure() {
    local exe=$1 open=${2:-}
    local folder
    folder=$(mktemp -d)
    cp "$exe" "$folder/"
    (cd "$folder" && exec wine "$(basename "$exe")" </dev/null >/dev/null 2>&1) &
    local pid=$!
    if [ "$open" = open ]; then
        wine "$build/bin/click_loupe_button.exe" </dev/null >/dev/null 2>&1 || log "the loupe did not open"
    fi
    # A still cursor, on neither window.
    xdotool mousemove 700 600
    ticks_then_end "$pid"
    rm -rf "$folder"
}


shown_total=0 reads_total=0 hidden_total=0 grab_total=0
for round in $(seq "$rounds"); do
    reads=$(measure "$build/bin/loupe_cpu_reads.exe")
    shown=$(measure "$build/bin/pipetto.exe" open)
    hidden=$(measure "$build/bin/pipetto.exe")
    grab=0
    [ -n "$grab_only" ] && grab=$(measure "$grab_only")
    printf 'round %d: loupe shown %d ms, copies only %d ms; loupe hidden %d ms, grab only %d ms\n' \
        "$round" "$(ms "$shown")" "$(ms "$reads")" "$(ms "$hidden")" "$(ms "$grab")"
    shown_total=$((shown_total + shown)) reads_total=$((reads_total + reads))
    hidden_total=$((hidden_total + hidden)) grab_total=$((grab_total + grab))
done
printf 'per %d s: loupe shown %d ms, copies only %d ms: ratio %s (target <= 1.25)\n' "$seconds" \
    "$(ms $((shown_total / rounds)))" "$(ms $((reads_total / rounds)))" "$(ratio "$shown_total" "$reads_total")"
if [ -n "$grab_only" ]; then
    printf 'per %d s: loupe hidden %d ms, grab only %d ms: ratio %s (target <= 1.05)\n' "$seconds" \
        "$(ms $((hidden_total / rounds)))" "$(ms $((grab_total / rounds)))" "$(ratio "$hidden_total" "$grab_total")"
    # pipetto.exe grabs all the while; without its share the loupe's own cost remains.
    printf 'per %d s: loupe shown less grab only %d ms, copies only %d ms: ratio %s\n' "$seconds" \
        "$(ms $(((shown_total - grab_total) / rounds)))" "$(ms $((reads_total / rounds)))" \
        "$(ratio $((shown_total - grab_total)) "$reads_total")"
fi
