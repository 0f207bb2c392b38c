#!/usr/bin/env bash
# Builds Pipetto and starts it under Wine on this display (or a new headless one when
# there is none). config.ini and history.dat are kept in build/run/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

install_missing_packages
build_windows
if [ -z "${DISPLAY:-}" ]; then
    log "no DISPLAY: starting a headless one"
    start_headless_display
    trap stop_all EXIT
fi
prepare_wine_prefix
mkdir -p "$BUILD_ROOT/run"
cp "$BUILD_ROOT/win/bin/pipetto.exe" "$BUILD_ROOT/run/"
cd "$BUILD_ROOT/run"
log "starting Pipetto ($BUILD_ROOT/run/pipetto.exe)"
wine pipetto.exe
