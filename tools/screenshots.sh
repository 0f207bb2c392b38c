#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real pipetto.exe under Wine in a headless display,
# with a colour under the cursor and three colours in the history: the four pages, a copy
# button under the pointer, the loupe, the import/export dialog, the contrast window, and the
# Grab and About pages at 150 % (Wine's LogPixels 144).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

install_missing_packages
build_windows
export WINEPREFIX="$BUILD_ROOT/wineprefix-test"
trap stop_all EXIT
start_headless_display
prepare_wine_prefix

work=$(mktemp -d)
cp "$BUILD_ROOT/win/bin/pipetto.exe" "$work/"
python3 - "$work/history.dat" <<'PY'
import struct, sys
def field(text):
    data = text.encode("cp1252")[:30]
    return bytes([len(data)]) + data + b"\0" * (30 - len(data))
entries = [("Header blue", "$00FF901E", "#1E90FF", "16748574", "rgb(30,144,255)", "DodgerBlue"),
           ("Button orange", "$000080FF", "#FF8000", "33023", "rgb(255,128,0)", "n/a"),
           ("Page background", "$00F0FBFF", "#FFFBF0", "15793151", "rgb(255,251,240)", "n/a")]
with open(sys.argv[1], "wb") as f:
    for entry in entries:
        f.write(b"".join(field(t) for t in entry))
PY
# A swatch of colour beside the window, for the Grab page to read.
convert -size 200x200 xc:'#1E90FF' "$work/swatch.png"
display -geometry +420+150 "$work/swatch.png" &
viewer=$!
(cd "$work" && wine pipetto.exe </dev/null >/dev/null 2>&1 &)
sleep 4
xdotool mousemove 500 250
sleep 1

shoot() { # page name, tab x position
    xdotool mousemove "$2" 358 click 1
    xdotool mousemove 500 250
    sleep 0.6
    import -window root -crop 200x280+99+99 "$REPO_ROOT/docs/$1-page.png"
}
mkdir -p "$REPO_ROOT/docs"
shoot grab 128
shoot history 163
shoot settings 206
shoot about 246
# A copy button under the pointer: its frame, its blue glyph and the hand.
xdotool mousemove 128 358 click 1
xdotool mousemove 269 232
sleep 0.8
import -window root -crop 200x280+99+99 "$REPO_ROOT/docs/copy-button-hot.png"
# The loupe, opened by its button beside the main window, magnifying the swatch.
xdotool mousemove 128 141 click 1
xdotool mousemove 500 250
sleep 0.8
import -window root -crop 360x280+99+99 "$REPO_ROOT/docs/loupe.png"
# The import/export dialog, from the history list's context menu.
xdotool mousemove 163 358 click 1
sleep 0.5
xdotool mousemove 170 200 click 3
sleep 0.5
xdotool mousemove 200 210 click 1
sleep 0.8
import -window root -crop 236x160+1026+582 "$REPO_ROOT/docs/im-export-dialog.png"
# The contrast window, from the same menu: the cream page colour as text on the blue swatch.
xdotool key Escape
sleep 0.5
xdotool mousemove 150 180 click 1
sleep 0.3
xdotool click 3
sleep 0.5
xdotool key Down Right Return
xdotool mousemove 520 340
sleep 0.8
import -window root -crop 200x224+442+99 "$REPO_ROOT/docs/contrast.png"
wineserver -k || true
kill $viewer 2>/dev/null || true

# The same at 150 %, in a prefix of its own whose screen has 144 dots per inch.
export WINEPREFIX="$BUILD_ROOT/wineprefix-144"
prepare_wine_prefix
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1
wineserver -k || true
wineboot </dev/null >/dev/null 2>&1 || true
rm -f "$work/config.ini"
display -geometry +520+150 "$work/swatch.png" &
viewer=$!
(cd "$work" && wine pipetto.exe </dev/null >/dev/null 2>&1 &)
sleep 5
xdotool mousemove 600 250
sleep 1
import -window root -crop 300x420+99+99 "$REPO_ROOT/docs/grab-page-150.png"
xdotool mousemove 320 487 click 1
xdotool mousemove 600 250
sleep 0.8
import -window root -crop 300x420+99+99 "$REPO_ROOT/docs/about-page-150.png"
kill $viewer 2>/dev/null || true
rm -rf "$work"
log "screenshots written to docs/"
