#!/usr/bin/env bash
# The Windows session ends (a logoff, a shutdown) while Pipetto runs with a colour just kept:
# Pipetto writes config.ini and history.dat before it is ended.
#
# Run by ctest in the tests' Wine prefix and display. Ending the session ends every Wine
# program of the prefix, so the tests' keepalive program is started again afterwards.
set -euo pipefail
exe=$1
keepalive=$2

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$exe" "$folder/pipetto.exe"
fail() { echo "FAILED: $*" >&2; exit 1; }

running() { grep -lsa "$folder/pipetto.exe" /proc/[0-9]*/cmdline >/dev/null 2>&1; }

wine "$folder/pipetto.exe" </dev/null >/dev/null 2>&1 &
for _ in $(seq 100); do
    xdotool search --name '^ Pipetto 2\.0$' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --name '^ Pipetto 2\.0$' >/dev/null 2>&1 || fail "no main window"
sleep 0.5

# The grab hotkey keeps the colour under the cursor; the session ends at once, before the
# history's own write would come.
xdotool key ctrl+s
sleep 0.2
wineboot --end-session </dev/null >/dev/null 2>&1 || true

for _ in $(seq 100); do
    running || break
    sleep 0.1
done
running && fail "Pipetto still runs after the session ended"
(wine "$keepalive" </dev/null >/dev/null 2>&1 &)

[ -f "$folder/config.ini" ] || fail "config.ini was not written"
grep -q '^x=100' "$folder/config.ini" || fail "config.ini lacks the window's place: $(cat "$folder/config.ini")"
size=$(stat -c %s "$folder/history.dat" 2>/dev/null || echo none)
[ "$size" = 186 ] || fail "history.dat holds $size bytes, not the one kept colour"
[ "$(head -c 32 "$folder/history.dat" | tail -c 1 | od -An -tu1 | tr -d ' ')" = 9 ] ||
    fail "the kept colour has no Hex text"
ls "$folder" | grep -q "^~pipetto-" && fail "a temporary file was left"
echo "both files written at the session's end"
