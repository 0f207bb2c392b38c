#!/usr/bin/env bash
# Builds the benchmarks of bench/, runs each under Wine in a headless display, and prints one
# table: every figure, the baseline it is measured against, the ratio and the target. The
# benchmarks report; they never fail. Each one's whole output stays in build/bench/.
# Usage: tools/bench.sh [rounds of the CPU benchmark, 3 by default]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

cpu_rounds=${1:-3}
install_missing_packages
build_windows

# A prefix and a display of the benchmarks' own.
export WINEPREFIX="$BUILD_ROOT/wineprefix-bench"
trap stop_all EXIT
start_headless_display
prepare_wine_prefix
start_wine_keepalive

bin="$BUILD_ROOT/win/bin"
out="$BUILD_ROOT/bench"
mkdir -p "$out"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Runs one benchmark with its output in $out/<name>.txt; a failing one leaves its output there.
run() {
    local name=$1
    shift
    log "benchmark: $name"
    "$@" </dev/null >"$out/$name.raw" 2>&1 || log "$name ended with an error; see $out/$name.txt"
    tr -d '\r' <"$out/$name.raw" >"$out/$name.txt"
    rm -f "$out/$name.raw"
}
run startup wine "$bin/startup_bench.exe" "$(windows_path "$bin/pipetto.exe")" \
    "$(windows_path "$bin/minimal_window.exe")" "$(windows_path "$bin/minimal_styled_window.exe")" \
    "$(windows_path "$bin/floor_window.exe")"
run startup_breakdown wine "$bin/startup_breakdown_bench.exe"
run history_startup wine "$bin/history_startup_bench.exe"
run history_add wine "$bin/history_add_bench.exe"
run history_memory wine "$bin/history_memory_bench.exe"
run history_write wine "$bin/history_write_bench.exe"
run grab_cycle wine "$bin/grab_cycle_bench.exe"
run grab_cpu bash "$REPO_ROOT/bench/grab_cpu.sh" "$BUILD_ROOT/win" "$cpu_rounds"
run grab_repaint wine "$bin/grab_repaint_bench.exe"
run loupe_tick wine "$bin/loupe_tick_bench.exe"
run loupe_cpu bash "$REPO_ROOT/bench/loupe_cpu.sh" "$BUILD_ROOT/win" "" "$cpu_rounds"
run contrast_cpu bash "$REPO_ROOT/bench/contrast_cpu.sh" "$BUILD_ROOT/win" "$cpu_rounds"
run sample_cpu bash "$REPO_ROOT/bench/sample_cpu.sh" "$BUILD_ROOT/win" "$cpu_rounds"
run im_export wine "$bin/im_export_bench.exe"
run copy_as wine "$bin/copy_as_bench.exe"

# The n-th number on the first line of a file that matches a pattern, or "?".
number() {
    local value
    value=$(grep -m1 -E "$2" "$out/$1.txt" 2>/dev/null | grep -oE -- '-?[0-9]+(\.[0-9]+)?' | sed -n "${3}p")
    echo "${value:-?}"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else print "?" }'; }

rows=()
row() { rows+=("$1|$2|$3|$4|$5"); }

ours=$(number startup 'start to visible window' 1)
theirs=$(number startup 'start to visible window' 2)
row "start to visible main window" "${ours} ms" "minimal window program, ${theirs} ms" "$(ratio "$ours" "$theirs")" "<= 1.2"
styled=$(number startup 'styled minimal window' 1)
row "start to visible main window" "${ours} ms" "minimal window with manifest and common controls, ${styled} ms" "$(ratio "$ours" "$styled")" "-"
floor=$(number startup 'floor program' 1)
row "start to visible main window" "${ours} ms" "floor program: the same visible windows in plain Win32, ${floor} ms" "$(ratio "$ours" "$floor")" "<= 1.05"
first_colour=$(number startup 'first colour after visible' 1)
floor_answer=$(number startup "floor's first answer" 1)
row "first colour after the window shows" "${first_colour} ms, at most $(number startup 'first colour after visible' 2) ms" "the floor's first answer, ${floor_answer} ms" "$(ratio "$first_colour" "$floor_answer")" "<= 100 ms"
size=$(number startup 'pipetto.exe size' 1)
row "pipetto.exe size" "${size} bytes" "1 MB (1048576 bytes)" "$(ratio "$size" 1048576)" "<= 1.0"
peak=$(number startup 'peak working set of pipetto' 1)
minimal_peak=$(number startup 'peak working set of minimal' 1)
row "peak working set" "${peak} MiB" "minimal window program, ${minimal_peak} MiB" "$(ratio "$peak" "$minimal_peak")" "<= 1.15"
full=$(number history_startup '5000-entry history' 2)
empty=$(number history_startup 'empty history' 1)
row "start-up with 5000 history entries" "${full} ms" "empty history, ${empty} ms" "$(ratio "$full" "$empty")" "<= 1.5"
rows_kept=$(number history_add 'colour listed' 1)
row "AddToHistory at $rows_kept rows, colour listed" "$(number history_add 'colour listed' 2) us" "-" "-" "-"
row "AddToHistory at $rows_kept rows, colour added" "$(number history_add 'new colour added' 2) us" "-" "-" "-"
change_write=$(number history_write 'after a change' 2)
close_write=$(number history_write "close's write" 2)
row "write of history.dat after a change, 5000 entries" "${change_write} ms" "the close's write of both files, ${close_write} ms" "$(ratio "$change_write" "$close_write")" "-"
tail_write=$(number history_write 'and 1000 more behind' 3)
file_write=$(number history_write 'and 0 more behind' 3)
row "write of history.dat with 1000 more records kept behind the 5000 listed" "${tail_write} ms" "the same file of the 5000 alone, ${file_write} ms" "$(ratio "$tail_write" "$file_write")" "-"
row "extra writes of a 10-minute session, one stop a minute" "10 writes, $(number history_write '10-minute session' 3) bytes" "-" "-" "-"
full_ws=$(number history_memory '^5000 entries' 2)
empty_ws=$(number history_memory '^ *0 entries' 2)
row "working set with 5000 history entries" "${full_ws} KB" "empty history, ${empty_ws} KB" "$(ratio "$full_ws" "$empty_ws")" "-"
cycle=$(number grab_cycle '^  grab cycle  ' 1)
bare=$(number grab_cycle 'GetCursorPos\+GetDC\+GetPixel' 1)
row "one grab cycle" "${cycle} us" "the bare screen reads, ${bare} us" "$(ratio "$cycle" "$bare")" "<= 1.25"
cpu=$(number grab_cpu '^per ' 2)
reads=$(number grab_cpu '^per ' 3)
row "CPU time grabbing, per 10 s (loupe hidden)" "${cpu} ms" "a program doing only the reads, ${reads} ms" "$(ratio "$cpu" "$reads")" "<= 1.25"
row "full repaint of the Grab page" "$(number grab_repaint 'full repaint' 1) ms" "-" "-" "-"
tick=$(number loupe_tick 'loupe tick' 1)
copy=$(number loupe_tick 'GetCursorPos\+GetDC\+StretchBlt' 1)
row "one loupe tick" "${tick} us" "the bare cursor read and stretching copy, ${copy} us" "$(ratio "$tick" "$copy")" "-"
shown=$(number loupe_cpu '^per .*loupe shown' 2)
copies=$(number loupe_cpu '^per .*loupe shown' 3)
row "CPU time with the loupe shown, per 10 s" "${shown} ms" "a program doing only the loupe's copies, ${copies} ms" "$(ratio "$shown" "$copies")" "<= 1.25"
for kind in "still cursor" "moving cursor"; do
    open=$(number grab_cycle "repaints, $kind: contrast" 1)
    closed=$(number grab_cycle "repaints, $kind: contrast" 2)
    row "grab cycle with its repaints, $kind, contrast window open" "${open} us" "closed, ${closed} us" "$(ratio "$open" "$closed")" "<= 1.10"
done
for kind in "still cursor" "moving cursor"; do
    open=$(number contrast_cpu "^per 10 s, $kind" 2)
    closed=$(number contrast_cpu "^per 10 s, $kind" 3)
    row "CPU time grabbing, $kind, contrast window open, per 10 s" "${open} ms" "closed, ${closed} ms" "$(ratio "$open" "$closed")" "<= 1.10"
done
for kind in "still cursor" "moving cursor"; do
    area=$(number grab_cycle "repaints, $kind: sample" 3)
    pixel=$(number grab_cycle "repaints, $kind: sample" 4)
    row "grab cycle with its repaints, $kind, sample 31x31" "${area} us" "one pixel, ${pixel} us" "$(ratio "$area" "$pixel")" "<= 1.25"
done
for kind in "still cursor" "moving cursor"; do
    area=$(number sample_cpu "^per 10 s, $kind" 4)
    pixel=$(number sample_cpu "^per 10 s, $kind" 5)
    row "CPU time grabbing, $kind, sample 31x31, per 10 s" "${area} ms" "one pixel, ${pixel} ms" "$(ratio "$area" "$pixel")" "<= 1.25"
done
row "export of 5000 entries" "$(number im_export '^export of' 2) ms" "-" "-" "-"
row "import of 5000 lines into an empty history" "$(number im_export 'into an empty history' 2) ms" "-" "-" "-"
row "import of 5000 lines, all listed already" "$(number im_export 'all listed' 3) ms" "-" "-" "-"
large_ms=$(number im_export '100 MB, no' 2)
large_peak=$(number im_export '100 MB, no' 4)
small_peak=$(number im_export '10 MB, no' 4)
row "import of 100 MB without a colour line" "${large_ms} ms, peak ${large_peak} MB" "the same of 10 MB, peak ${small_peak} MB" "$(ratio "$large_peak" "$small_peak")" "peak does not grow"
text_export=$(number im_export '^export of' 2)
for palette in "GIMP palette" "CSS" "ASE"; do
    ms=$(number im_export "to $palette " 2)
    row "export of 5000 entries to $palette" "${ms} ms" "the text export, ${text_export} ms" "$(ratio "$ms" "$text_export")" "<= 2"
done
text_import=$(number im_export '^import of 5000 lines into' 2)
for palette in "GIMP palette" "ASE"; do
    ms=$(number im_export "colour $palette " 2)
    row "import of a 5000-colour $palette into an empty history" "${ms} ms" "the text import, ${text_import} ms" "$(ratio "$ms" "$text_import")" "<= 2"
    large_ms=$(number im_export "100 MB, $palette" 2)
    large_peak=$(number im_export "100 MB, $palette" 4)
    small_peak=$(number im_export "10 MB, $palette" 4)
    row "import of a 100 MB $palette (its 5000 colours over and over)" "${large_ms} ms, peak ${large_peak} MB" "the same of 10 MB, peak ${small_peak} MB" "$(ratio "$large_peak" "$small_peak")" "peak does not grow"
done
row "the seven texts of \"Copy as\" for a colour" "$(number copy_as 'seven texts' 1) us" "-" "-" "-"
with_copy_as=$(number copy_as 'history menu opened' 1)
today_menu=$(number copy_as 'history menu opened' 2)
row "History list's menu opened and closed, with \"Copy as\"" "${with_copy_as} us" "the menu without it, ${today_menu} us" "$(ratio "$with_copy_as" "$today_menu")" "<= 1.10"
unfilled=$(number copy_as "the menu opened without" 2)
row "History list's menu with the same items, \"Copy as\" not made" "${unfilled} us" "the menu without it, ${today_menu} us" "$(ratio "$unfilled" "$today_menu")" "-"
row "\"Copy as\" made for the row as the menu opens" "$(number copy_as "items made as the menu opens" 1) us" "-" "-" "-"

printf '\n| %s | %s | %s | %s | %s |\n|---|---|---|---|---|\n' benchmark figure baseline ratio target
for r in "${rows[@]}"; do
    IFS='|' read -r name figure baseline r_ratio target <<<"$r"
    printf '| %s | %s | %s | %s | %s |\n' "$name" "$figure" "$baseline" "$r_ratio" "$target"
done

printf '\n'
cat "$out/startup_breakdown.txt"
