#!/usr/bin/env bash
# Lays out the monitors of the two-monitor tests on the X display $DISPLAY: an Xvfb screen of
# 2048 x 768 pixels, started with -noreset (its RandR monitors live only as long as the
# server). Wine, told not to use RandR, reads them through Xinerama.
#   side-by-side   L on the left half, the primary R on the right: under Wine the primary is
#                  (0,0)-(1024,768) and L is (-1024,0)-(0,768)
#   primary-only   L unplugged: R alone, where it was
# Usage: monitor_layout.sh side-by-side|primary-only
set -euo pipefail
size=1024/271x768/203

# A monitor can't be redefined in place: the ones made here go first (the listing marks the
# primary with "*" and the screen's automatic one, which can't be removed, with "+").
remove_all() {
    local name
    for name in $(xrandr --listmonitors | sed -n 's/^ *[0-9]*: \*\{0,1\}\([^+*][^ ]*\) .*/\1/p'); do
        xrandr --delmonitor "$name"
    done
}

case ${1:-} in
side-by-side)
    remove_all
    xrandr --setmonitor '*R' "$size+1024+0" none
    xrandr --setmonitor L "$size+0+0" screen
    ;;
primary-only)
    # R takes the screen's output, so that no automatic monitor of the whole screen appears.
    remove_all
    xrandr --setmonitor '*R' "$size+1024+0" screen
    ;;
*)
    echo "usage: $0 side-by-side|primary-only" >&2
    exit 2
    ;;
esac >/dev/null
