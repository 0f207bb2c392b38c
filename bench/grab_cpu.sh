#!/usr/bin/env bash
# CPU time of pipetto.exe grabbing with a still cursor, against grab_cpu_reads.exe, which only
# does the reads (cursor position and one screen pixel) ten times a second. Both run under
# Wine in the same session, in alternating rounds of 10 s each; the CPU time is the user and
# system time of the Windows process as Linux counts it (/proc/<pid>/stat, 10 ms ticks), so
# the rounds add up to a figure coarse ticks can't swamp.
#
# Usage: DISPLAY=:90 bench/grab_cpu.sh [build-dir] [rounds]
# Needs a running X display and Wine prefix (tools/lib.sh's wine_environment picks the prefix).
set -euo pipefail
source "$(dirname "$0")/cpu_time.sh"

build=${1:-$BUILD_ROOT/win}
rounds=${2:-3}

# Runs one program for `settle` + `seconds` and prints the ticks it used over `seconds`.
measure() {
    local exe=$1
    wine "$exe" </dev/null >/dev/null 2>&1 &
    ticks_then_end $!
}

# A still cursor, away from pipetto's window (it opens at 100,100 without a config.ini).
xdotool mousemove 700 600

pipetto_total=0
reads_total=0
for round in $(seq "$rounds"); do
    reads=$(measure "$build/bin/grab_cpu_reads.exe")
    pipetto=$(measure "$build/bin/pipetto.exe")
    printf 'round %d: pipetto.exe %d ms, reads only %d ms (CPU over %d s)\n' "$round" \
        $((pipetto * 1000 / clock_ticks)) $((reads * 1000 / clock_ticks)) "$seconds"
    pipetto_total=$((pipetto_total + pipetto))
    reads_total=$((reads_total + reads))
done

awk -v p="$pipetto_total" -v r="$reads_total" -v n="$rounds" -v hz="$clock_ticks" -v s="$seconds" 'BEGIN {
    printf "per %d s: pipetto.exe %.0f ms, reads only %.0f ms\n", s, p * 1000 / hz / n, r * 1000 / hz / n
    if (r > 0) printf "ratio %.2f (target <= 1.25)\n", p / r
    else print "ratio: the reads used less than one clock tick"
}'
