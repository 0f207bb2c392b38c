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

# A colour gradient shown by ImageMagick at (600, 400), 400 by 300, in a work folder of its
# own ($work), both gone when the script ends; the cursor mover below runs over it.
work=
mover=
viewer=
end_gradient_rounds() {
    [ -n "$mover" ] && kill "$mover" 2>/dev/null
    [ -n "$viewer" ] && kill "$viewer" 2>/dev/null
    [ -n "$work" ] && rm -rf "$work"
}
show_gradient() {
    work=$(mktemp -d)
    trap end_gradient_rounds EXIT
    convert -size 400x300 gradient:'#FF8000-#1E90FF' "$work/gradient.png"
    display -geometry +600+400 "$work/gradient.png" &
    viewer=$!
    sleep 1
}

# Across the gradient and back, a few pixels a step: another colour at every tick.
start_moving_cursor() {
    (x=0; while :; do xdotool mousemove $((610 + x)) 550; x=$(((x + 7) % 380)); sleep 0.05; done) &
    mover=$!
}
stop_moving_cursor() {
    kill "$mover"
    wait "$mover" 2>/dev/null || true
    mover=
}

# Lets the program of process PID run `settle` seconds, prints the ticks it uses over the next
# `seconds`, and ends it. Wine's loader becomes the Windows process: the same pid.
ticks_then_end() {
    local pid=$1
    sleep "$settle"
    local before after
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $((after - before))
}

# Runs the pipetto.exe copied into FOLDER and prints its ticks as ticks_then_end does.
ticks_of_pipetto_in() {
    (cd "$1" && exec wine pipetto.exe </dev/null >/dev/null 2>&1) &
    ticks_then_end $!
}
