# The pieces the CPU-time benchmarks share. Sourced, not run.
# Each program runs `settle` seconds to come to rest, then `seconds` are counted: the user and
# system time of its Windows process as Linux counts it, in clock ticks.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/../tools/lib.sh"

seconds=10
settle=3
[ -n "${DISPLAY:-}" ] || { log "DISPLAY is not set"; exit 1; }
wine_environment

clock_ticks=$(getconf CLK_TCK)
# The process's user and system time so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
ms() { echo $(($1 * 1000 / clock_ticks)); }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
