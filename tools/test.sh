#!/usr/bin/env bash
# Builds everything and runs every test headless: the portable core natively, the
# Windows tests and the end-to-end runs of pipetto.exe under Wine in an Xvfb display, and
# last the runs on two monitors in a display and a Wine prefix of their own.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

install_missing_packages

log "native build and core tests"
build_native
(cd "$BUILD_ROOT/native" && ctest --output-on-failure -j"$(nproc)")

log "the CSS texts in headless Chromium and against colorjs.io"
bash "$REPO_ROOT/tests/browser/css_colour_test.sh"

log "fuzz targets: a short run of each"
build_fuzzers
(cd "$BUILD_ROOT/fuzz" && ctest --output-on-failure -j"$(nproc)")

log "Windows build"
build_windows

log "Windows tests under Wine"
# A prefix and a display of the tests' own, apart from the one tools/run.sh uses.
export WINEPREFIX="$BUILD_ROOT/wineprefix-test"
trap stop_all EXIT
start_headless_display
prepare_wine_prefix
start_wine_keepalive
# Wine's helper processes would hold a pipe of ours open, so ctest writes to a file,
# which is shown afterwards.
status=0
(cd "$BUILD_ROOT/win" && ctest -LE monitors --output-on-failure -j"$(nproc)" \
    >"$BUILD_ROOT/win-tests.log" 2>&1) || status=$?
tr -d '\r' <"$BUILD_ROOT/win-tests.log"

log "the release zip, unpacked and started"
zip=$(build_package)
bash "$REPO_ROOT/tests/package/unpacked_zip_test.sh" "$zip" || status=1

log "two monitors under Wine"
# A display of two monitors, one at negative places, and a prefix of their own.
stop_all
export WINEPREFIX="$BUILD_ROOT/wineprefix-monitors"
start_two_monitor_display
prepare_wine_prefix
use_xinerama_monitors
start_wine_keepalive
# Wine's server is known to crash when a window goes while the cursor lies where no monitor
# is; the tests keep the cursor on the primary, and a test that fails anyway is run once
# more, on the layout it starts from.
(cd "$BUILD_ROOT/win" && ctest -L monitors --repeat until-pass:2 --output-on-failure \
    >"$BUILD_ROOT/monitor-tests.log" 2>&1) ||
    status=1
tr -d '\r' <"$BUILD_ROOT/monitor-tests.log"

log "the random-input driver catches each kind of fault"
bash "$REPO_ROOT/tests/monkey/driver_faults_test.sh" || status=1
log "45 s of random input with a fixed seed"
MONKEY_ROUND_SECONDS=45 bash "$REPO_ROOT/tools/monkey.sh" 0.75 1515 || status=1
exit $status
