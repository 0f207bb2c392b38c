# Shared pieces of the build, test and run commands. Sourced, not run.
# shellcheck shell=bash

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT=${PIPETTO_BUILD_ROOT:-$REPO_ROOT/build}

PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth
          googletest xdotool xclip imagemagick x11-common x11-xserver-utils procps
          clang libclang-rt-14-dev zip unzip strace chromium)

log() { printf '== %s\n' "$*" >&2; }

# Installs whatever of the toolchain is missing (Debian 12, run as root).
install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_native() {
    cmake -S "$REPO_ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$BUILD_ROOT/native" -j"$(nproc)"
}

# The fuzz targets of the portable core, built by clang with libFuzzer and the sanitizers.
build_fuzzers() {
    CC=clang CXX=clang++ cmake -S "$REPO_ROOT" -B "$BUILD_ROOT/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DPIPETTO_FUZZ=ON >/dev/null
    cmake --build "$BUILD_ROOT/fuzz" -j"$(nproc)"
}

# Everything, or only the targets named.
build_windows() {
    cmake -S "$REPO_ROOT" -B "$BUILD_ROOT/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
    local targets=() target
    for target in "$@"; do targets+=(--target "$target"); done
    cmake --build "$BUILD_ROOT/win" -j"$(nproc)" "${targets[@]}"
}

# The version of the project(...) line of CMakeLists.txt.
project_version() {
    sed -n 's/^project(Pipetto VERSION \([0-9.]*\).*/\1/p' "$REPO_ROOT/CMakeLists.txt"
}

# Zips the Windows build's pipetto.exe with the user's README and the license; prints the path.
build_package() {
    local dir="$BUILD_ROOT/package"
    local zip="$dir/pipetto-$(project_version).zip"
    rm -rf "$dir/files" "$zip"
    mkdir -p "$dir/files"
    cp "$BUILD_ROOT/win/bin/pipetto.exe" "$dir/files/"
    # Plain text for Notepad: CR LF line ends.
    sed 's/$/\r/' "$REPO_ROOT/packaging/README.txt" >"$dir/files/README.txt"
    sed 's/$/\r/' "$REPO_ROOT/LICENSE" >"$dir/files/LICENSE.txt"
    (cd "$dir/files" && zip -q -X "$zip" pipetto.exe README.txt LICENSE.txt)
    echo "$zip"
}

# Wine in a throwaway prefix, quiet, never offering Mono or Gecko.
wine_environment() {
    export WINEPREFIX=${WINEPREFIX:-$BUILD_ROOT/wineprefix}
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
}

# Creates the prefix once: Wine's own fonts (Tahoma, MS Sans Serif) copied where Wine
# looks for them, and unmanaged windows so that DestroyWindow is quick without a window manager.
# A command given runs then too, for settings of the caller's own.
prepare_wine_prefix() {
    wine_environment
    wineserver -p </dev/null >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/.pipetto-ready" ]; then
        log "creating the Wine prefix $WINEPREFIX"
        wineboot -i </dev/null >/dev/null 2>&1
        wineserver -w || true
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        "$@"
        wineserver -w || true
        wineserver -p </dev/null >/dev/null 2>&1 || true
        touch "$WINEPREFIX/.pipetto-ready"
    fi
    # Starting the boot here, with its output away from our pipes, keeps Wine's helper
    # processes from holding a pipe of ours open.
    wineboot </dev/null >/dev/null 2>&1 || true
}

# A crash ends the process at once, with the exception code as its exit code, instead of
# opening Wine's crash dialog.
switch_off_crash_dialog() {
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        </dev/null >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
        /d false /f </dev/null >/dev/null 2>&1
}

# The prefix of the random-input rounds (tools/monkey.sh), kept apart from the others, from
# which Wine reaches no host file: every drive but c: is removed (z: is the host's root), the
# links that Wine lays from the user's shell folders into the host's home become plain
# folders, and the web browser helper is switched off, so that a link clicked at random opens
# nothing on the host. A crash just ends the process. Programs run in it from
# $MONKEY_DRIVE_C, where they are copied, as no host path is reachable.
prepare_monkey_prefix() {
    export WINEPREFIX="$BUILD_ROOT/wineprefix-monkey"
    prepare_wine_prefix switch_off_crash_dialog
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winebrowser.exe=d"
    MONKEY_DRIVE_C="$WINEPREFIX/drive_c"
    # Wine may lay links again when it updates the prefix, so they are cut every time.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    local entry
    for entry in "$WINEPREFIX"/dosdevices/*; do
        [ "$(basename "$entry")" = c: ] || rm -f "$entry"
    done
    while IFS= read -r entry; do
        rm "$entry" && mkdir "$entry"
    done < <(find "$MONKEY_DRIVE_C" -type l)
    wineserver -p </dev/null >/dev/null 2>&1 || true
    wineboot </dev/null >/dev/null 2>&1 || true
    monkey_prefix_is_sealed || { log "the monkey prefix still reaches the host"; return 1; }
}

# True when no drive but c: is left and no link leads out of drive c: (Wine lays
# the serial port links again at each start; they lead to no file).
monkey_prefix_is_sealed() {
    [ "$(cd "$WINEPREFIX/dosdevices" && ls -d ?:* 2>/dev/null)" = c: ] || return 1
    [ -z "$(find "$MONKEY_DRIVE_C" -type l -print -quit)" ]
}

# The desktop of the random-input rounds: a headless display, the sealed prefix, and the
# driver and the keepalive in C:\monkey.
start_monkey_desktop() {
    start_headless_display
    prepare_monkey_prefix
    MONKEY_DIR="$MONKEY_DRIVE_C/monkey"
    MONKEY_ROUND="$MONKEY_DIR/round"
    mkdir -p "$MONKEY_DIR"
    cp "$BUILD_ROOT/win/bin/monkey_driver.exe" "$BUILD_ROOT/win/bin/wine_keepalive.exe" "$MONKEY_DIR/"
    (cd "$MONKEY_DIR" && exec wine wine_keepalive.exe </dev/null >/dev/null 2>&1) &
    KEEPALIVE_PID=$!
}

# A fresh round folder, C:\monkey\round, holding only EXE as pipetto.exe: the round starts
# as a first start does.
fresh_monkey_round() {
    rm -rf "$MONKEY_ROUND"
    mkdir -p "$MONKEY_ROUND"
    cp "$1" "$MONKEY_ROUND/pipetto.exe"
}

# The driver on the round folder for SEED and SECONDS; its report goes to $MONKEY_DIR/round.out
# (a file: Wine's helpers would hold a pipe open) and the return code is the driver's.
run_monkey_driver() {
    local status=0
    (cd "$MONKEY_DIR" && exec wine monkey_driver.exe "$1" "$2" 'C:\monkey\round') \
        </dev/null >"$MONKEY_DIR/round.raw" 2>&1 || status=$?
    tr -d '\r' <"$MONKEY_DIR/round.raw" >"$MONKEY_DIR/round.out"
    return $status
}

# A headless X display for the tests; sets DISPLAY and remembers the server for stop_all.
# Usage: start_headless_display [screen [Xvfb options...]]   (the screen is 1280x1024x24 unless given)
XVFB_PID=
start_headless_display() {
    local screen=${1:-1280x1024x24}
    [ $# -gt 0 ] && shift
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "$screen" -nolisten tcp "$@" </dev/null >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        export DISPLAY=":$n"
        return 0
    done
    log "no free X display number"
    return 1
}

# A headless display of two monitors side by side, the primary on the right, laid out by
# tests/e2e/monitor_layout.sh; the tests find that script in PIPETTO_MONITOR_LAYOUT to change
# the layout while they run. The RandR monitors live only as long as the server: -noreset.
start_two_monitor_display() {
    start_headless_display 2048x768x24 -noreset
    export PIPETTO_MONITOR_LAYOUT="$REPO_ROOT/tests/e2e/monitor_layout.sh"
    bash "$PIPETTO_MONITOR_LAYOUT" side-by-side
}

# Has the prefix read the monitors through Xinerama, which shows the RandR monitors of an
# Xvfb screen; through RandR Wine sees the screen's single output. Wine reads the layout
# when its server starts, so the server starts again once the setting is made.
use_xinerama_monitors() {
    wine_environment
    [ -f "$WINEPREFIX/.pipetto-xinerama" ] && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w || true
    wineserver -p </dev/null >/dev/null 2>&1 || true
    wineboot </dev/null >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.pipetto-xinerama"
}

# Keeps Wine's desktop process alive across the GUI tests, so that each test does not
# pay for its restart.
KEEPALIVE_PID=
start_wine_keepalive() {
    local exe="$BUILD_ROOT/win/bin/wine_keepalive.exe"
    [ -f "$exe" ] || return 0
    wine "$exe" </dev/null >/dev/null 2>&1 &
    KEEPALIVE_PID=$!
}

# Each step on its own: under set -e a failing one (a keepalive that a session's end has
# ended already) would leave the others running.
stop_all() {
    if [ -n "$KEEPALIVE_PID" ]; then kill "$KEEPALIVE_PID" 2>/dev/null || true; fi
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    KEEPALIVE_PID= XVFB_PID=
    return 0
}
