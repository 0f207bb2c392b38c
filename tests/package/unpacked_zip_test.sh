#!/usr/bin/env bash
# The release as a user meets it: the zip unpacked into an empty folder holds exactly the
# exe, the README and the license; pipetto.exe starts from there under Wine, shows its
# window, and on closing keeps config.ini and history.dat beside itself.
# Usage: unpacked_zip_test.sh <zip>   (with DISPLAY and WINEPREFIX set, as tools/test.sh does)
set -euo pipefail
zip=$1
fail() { echo "FAILED: $*" >&2; exit 1; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unzip -q "$zip" -d "$folder"
listing=$(cd "$folder" && find . -type f | sort | tr '\n' ' ')
[ "$listing" = "./LICENSE.txt ./README.txt ./pipetto.exe " ] || fail "the zip holds: $listing"
grep -q 'Ctrl+S' "$folder/README.txt" || fail "README.txt names no hotkey"
grep -q 'MIT License' "$folder/LICENSE.txt" || fail "LICENSE.txt is no MIT license"

(cd "$folder" && exec wine pipetto.exe </dev/null >/dev/null 2>&1) &
program=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^ Pipetto 2.0$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { kill "$program" 2>/dev/null; fail "no main window appeared"; }

# Closed as the user closes it: the window is asked to close, and the program saves.
wine taskkill /im pipetto.exe </dev/null >/dev/null 2>&1 || true
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$program" 2>/dev/null && { kill "$program"; fail "pipetto.exe did not close"; }
[ -f "$folder/config.ini" ] || fail "no config.ini beside the exe"
[ -f "$folder/history.dat" ] || fail "no history.dat beside the exe"
tr -d '\r' <"$folder/config.ini" | grep -qx 'grab=18' || fail "config.ini: $(cat "$folder/config.ini")"
echo "the unpacked zip runs and keeps its files beside pipetto.exe"
