#!/usr/bin/env bash
# Slows down every rename of a Wine server and meanwhile watches a folder from the Linux
# side. Renames happen in the server, and while one is held up there every Wine process
# waits for its server, so only a Linux process can look at the folder in the meantime.
# Started by a test through Wine, it goes on in the background and returns at once.
#
#   slow_renames.sh <prefix> <folder> <watch folder> <delay in microseconds> "<name> ..."
#
# Its word is files in the watch folder: "attached" once strace holds the server, or
# "refused" with the reason; "missing" gets a line each time one of the names is not in
# the folder; "trace" is strace's. Where the test writes "kill-at" (a text), the program
# started from the folder is killed as soon as the trace shows a rename with that text,
# and "killed" is written. "stop" (or two minutes) ends it, and "stopped" is written.
set -u
prefix=$1 folder=$2 watch=$3 delay=$4 names=$5
if [ -z "${SLOW_RENAMES_RUNNING:-}" ]; then
    SLOW_RENAMES_RUNNING=1 setsid bash "$0" "$prefix" "$folder" "$watch" "$delay" "$names" \
        </dev/null >/dev/null 2>&1 &
    exit 0
fi

refuse() {
    printf '%s\n' "$1" >"$watch/refused"
    exit 0
}

server=
for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && server=$pid
done
[ -n "$server" ] || refuse "no Wine server of $prefix was found"
command -v strace >/dev/null || refuse "strace is not installed"

strace -f -p "$server" -e trace=rename,renameat,renameat2 \
    -e inject=rename,renameat,renameat2:delay_exit="$delay" -o "$watch/trace" 2>"$watch/strace.err" &
tracer=$!
for _ in $(seq 100); do
    if grep -qE "^TracerPid:[[:space:]]+$tracer\$" "/proc/$server/status"; then
        touch "$watch/attached"
        break
    fi
    kill -0 "$tracer" 2>/dev/null || break
    sleep 0.05
done
if [ ! -e "$watch/attached" ]; then
    kill "$tracer" 2>/dev/null
    refuse "strace can't attach to the Wine server (no ptrace permission?): $(head -c 300 "$watch/strace.err")"
fi

# The program of the folder: Wine shows its Windows path, which ends in the folder's name.
program_of_folder() {
    local pid base
    base=$(basename "$folder")
    for pid in $(pgrep -f 'pipetto\.exe'); do
        tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null |
            grep -qF -e "$base\\pipetto.exe" -e "$base/pipetto.exe" && echo "$pid"
    done
}

end=$((SECONDS + 120))
armed_at=
while [ ! -e "$watch/stop" ] && [ "$SECONDS" -lt "$end" ]; do
    for name in $names; do
        [ -e "$folder/$name" ] || echo "$name" >>"$watch/missing"
    done
    # Only renames traced after the test asked count.
    if [ -z "$armed_at" ] && [ -e "$watch/kill-at" ]; then
        armed_at=$(wc -l <"$watch/trace")
    fi
    if [ -n "$armed_at" ] && [ ! -e "$watch/killed" ] &&
        tail -n +"$((armed_at + 1))" "$watch/trace" | grep -qF -- "$(cat "$watch/kill-at")"; then
        kill -9 $(program_of_folder) 2>/dev/null
        touch "$watch/killed"
    fi
    sleep 0.005
done
kill -INT "$tracer"
wait "$tracer"
touch "$watch/stopped"
