#!/usr/bin/env bash
# Start-up, memory and warning-CPU benchmarks of ZELIRO against a bare Qt
# Widgets window built in the same tree, side by side in one run: each round
# starts the bare program and then ZELIRO, and the medians of RUNS rounds are
# compared. Under the offscreen platform and under Xvfb. Then the verification
# run, printing through CUPS, and the time and memory of reading a measured
# sweep.
#   bench/run.sh            (RUNS=15 by default; BUILD_DIR=build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
runs=${RUNS:-15}
cmake --build "$build" --target bench_bare_window bench_program_startup bench_warning_cpu bench_sweep_read >/dev/null

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { awk -v key="$1" '$1 == key { print $2 }'; }

measure() {  # platform label
  local bare_ms=() bare_kb=() prog_ms=() prog_kb=() all_kb=() visit_kb=()
  for ((i = 0; i < runs; i++)); do
    out=$("$build/bench/bench_bare_window" "$(date +%s%N)" 2>/dev/null)
    bare_ms+=("$(field first_paint_ms <<<"$out")"); bare_kb+=("$(field peak_kb <<<"$out")")
    out=$("$build/bench/bench_program_startup" "$(date +%s%N)" all 2>/dev/null)
    prog_ms+=("$(field first_paint_ms <<<"$out")"); prog_kb+=("$(field peak_kb <<<"$out")")
    all_kb+=("$(field all_windows_peak_kb <<<"$out")")
    out=$("$build/bench/bench_program_startup" "$(date +%s%N)" visit 2>/dev/null)
    visit_kb+=("$(field visited_peak_kb <<<"$out")")
  done
  local bm pm bk pk ak vk
  bm=$(printf '%s\n' "${bare_ms[@]}" | median); pm=$(printf '%s\n' "${prog_ms[@]}" | median)
  bk=$(printf '%s\n' "${bare_kb[@]}" | median); pk=$(printf '%s\n' "${prog_kb[@]}" | median)
  ak=$(printf '%s\n' "${all_kb[@]}" | median); vk=$(printf '%s\n' "${visit_kb[@]}" | median)
  awk -v p="$1" -v bm="$bm" -v pm="$pm" -v bk="$bk" -v pk="$pk" -v ak="$ak" -v vk="$vk" -v n="$runs" 'BEGIN {
    printf "%s, median of %d runs:\n", p, n
    printf "  first paint:      bare %.1f ms, ZELIRO splash %.1f ms, ratio %.2f\n", bm, pm, pm / bm
    printf "  peak memory:      bare %.1f MB, ZELIRO splash %.1f MB, ratio %.2f\n", bk / 1024, pk / 1024, pk / bk
    printf "  every window opened in turn: ZELIRO %.1f MB, ratio %.2f\n", vk / 1024, vk / bk
    printf "  every window open together:  ZELIRO %.1f MB, ratio %.2f\n", ak / 1024, ak / bk
  }'
}

if [ "${1:-}" = "--inside-xvfb" ]; then
  QT_QPA_PLATFORM=xcb measure Xvfb
  exit 0
fi
QT_QPA_PLATFORM=offscreen measure offscreen
command -v xvfb-run >/dev/null && xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-xvfb
echo "warning CPU (offscreen):"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_warning_cpu" 2>/dev/null
echo "verification window against nec2c alone (offscreen):"
cmake --build "$build" --target bench_verify_run zeliro_verify >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench_verify_run" "${VERIFY_RUNS:-3}" 2>/dev/null
echo "pattern page and height study against nec2c alone (offscreen):"
cmake --build "$build" --target bench_pattern_run zeliro_verify >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench_pattern_run" "${PATTERN_RUNS:-7}" 2>/dev/null
echo "printing through a private CUPS server (offscreen):"
cmake --build "$build" --target bench_print_stall >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench_print_stall" "${PRINT_RUNS:-3}" 2>/dev/null || echo "  (no CUPS server here)"
echo "reading a measured sweep (CSV and .s1p), 100000 and 1000000 points:"
"$build/bench/bench_sweep_read" 100000 9
"$build/bench/bench_sweep_read" 1000000 3
