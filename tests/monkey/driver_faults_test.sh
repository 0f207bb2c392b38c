#!/usr/bin/env bash
# The random-input driver catches each kind of fault: a stand-in for pipetto.exe with one
# fault of its own (faulty_program.cpp) gets a short round for each, and the driver must fail
# for the right reason; a file dialog is cancelled, and the round passes.
# Usage: tests/monkey/driver_faults_test.sh   (after the Windows build)
set -euo pipefail
source "$(dirname "$0")/../../tools/lib.sh"
trap stop_all EXIT
start_monkey_desktop

cases=0 failures=0
# expect FAULT SECONDS EXIT_CODE TEXT: the round's exit code, and TEXT in its report or log.
expect() {
    cases=$((cases + 1))
    fresh_monkey_round "$BUILD_ROOT/win/bin/faulty_program.exe"
    printf '%s' "$1" >"$MONKEY_ROUND/fault.txt"
    local status=0
    run_monkey_driver 7 "$2" || status=$?
    # grep reads the files itself: under pipefail, a grep -q that stops at its first match
    # would fail a pipe whose writer is still writing (SIGPIPE).
    if [ $status -eq "$3" ] && grep -q -- "$4" "$MONKEY_DIR/round.out" "$MONKEY_ROUND/actions.log"; then
        echo "caught: $1: $(grep -m1 -i monkey "$MONKEY_DIR/round.out")"
    else
        echo "NOT CAUGHT: $1: the driver's exit code $status, its report:"
        cat "$MONKEY_DIR/round.out"
        failures=$((failures + 1))
    fi
}
expect crash 10 1 "crashed: exit code 0xC0000005 (access violation)"
expect hang 15 1 "hangs: its main window gave no answer for 6 s"
expect torn 10 1 "history.dat holds 100 bytes, not whole 186-byte records"
expect no-config 3 1 "config.ini is missing after the close"
expect file-dialog 4 0 "file dialog cancelled: #32770 'Export'"
echo "the driver's checks: $((cases - failures)) of $cases right"
[ $failures -eq 0 ]
