#!/usr/bin/env bash
# Random input as a test: rounds of random clicks, drags, wheel turns and keys on every
# window of pipetto.exe, back to back for MINUTES minutes, each with a new seed, or with SEED
# to replay a round. A round fails on a crash, a hang, a history.dat that is not whole
# records, or a config.ini not written at the close; its seed is printed so that it can be
# replayed, and what it left is kept in build/monkey/failed-SEED/.
# Usage: tools/monkey.sh MINUTES [SEED]     (MONKEY_ROUND_SECONDS: a round's length, 120)
set -euo pipefail
source "$(dirname "$0")/lib.sh"

[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: tools/monkey.sh MINUTES [SEED]" >&2; exit 2; }
minutes=$1
fixed_seed=${2:-}
round_seconds=${MONKEY_ROUND_SECONDS:-120}

install_missing_packages
build_windows pipetto monkey_driver wine_keepalive
trap stop_all EXIT
start_monkey_desktop

results="$BUILD_ROOT/monkey"
mkdir -p "$results"
end=$((SECONDS + $(awk -v m="$minutes" 'BEGIN { print int(m * 60) }')))
rounds=0 actions=0
clean_seeds=() failed_seeds=()
while [ $SECONDS -lt $end ]; do
    seed=${fixed_seed:-$(( (RANDOM << 17 | RANDOM << 2 | RANDOM & 3) ))}
    length=$(( end - SECONDS < round_seconds ? end - SECONDS : round_seconds ))
    [ $length -lt 10 ] && length=10
    rounds=$((rounds + 1))
    log "round $rounds: seed $seed, $length s"
    fresh_monkey_round "$BUILD_ROOT/win/bin/pipetto.exe"
    status=0
    run_monkey_driver "$seed" "$length" || status=$?
    cat "$MONKEY_DIR/round.out"
    if [ $status -eq 0 ]; then
        done_actions=$(sed -n 's/.*: \([0-9]*\) actions, .*/\1/p' "$MONKEY_DIR/round.out")
        actions=$((actions + ${done_actions:-0}))
        clean_seeds+=("$seed")
    else
        failed_seeds+=("$seed")
        rm -rf "$results/failed-$seed"
        cp -a "$MONKEY_ROUND" "$results/failed-$seed"
        cp "$MONKEY_DIR/round.out" "$results/failed-$seed/"
        log "round $rounds FAILED with seed $seed (exit $status); replay: tools/monkey.sh $minutes $seed"
    fi
done

log "$rounds rounds; $actions actions without a fault in the ${#clean_seeds[@]} clean rounds"
log "clean seeds: ${clean_seeds[*]:-none}"
if [ ${#failed_seeds[@]} -gt 0 ]; then
    log "FAILED seeds: ${failed_seeds[*]} (what each left: $results/failed-SEED/)"
    exit 1
fi
