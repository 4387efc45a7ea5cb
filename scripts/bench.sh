#!/usr/bin/env bash
# Builds the benchmarks in build/bench (Release) and runs them all: a tick's
# cost and repainted area, the workshop's analysis, repaint and memory, the
# timers' beat, start-up time and memory against a bare Qt window, and CPU use
# idle and animating. Prints one table and keeps
# it in build/bench/results.txt. Takes two to three minutes; not part of the
# test command.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${build_packages[@]}" "${bench_packages[@]}"

build=build/bench
cmake --preset bench >/dev/null
cmake --build --preset bench

TMPDIR=$(mktemp -d)
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export XDG_RUNTIME_DIR=$TMPDIR/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
rows=$TMPDIR/rows

within() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v < goal) ? "yes" : "no" }'; }

echo "== tick cost (Google Benchmark, offscreen) =="
"$build/bench/kestrilon-bench-tick" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$TMPDIR/tick.csv" --benchmark_out_format=csv
# Median of the three repetitions; the columns are found by their names.
awk -F, '
    /^name,/ { for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); column[$i] = i }; next }
    /_median"/ {
        split($1, name, "/")
        us = $(column["real_time"]); cpu = $(column["cpu_time"])
        whole = $(column["whole"]); erases = $(column["erases"])
        other = $(column["excess_px_no_erase"]); window = $(column["window_px"])
        printf "tick, %s: wall time (all-thread CPU)|%.0f us (%.0f us)|< 50 us|%s\n",
               name[2], us, cpu, us < 50 ? "yes" : "no"
        verdict = (whole == 0 && other == 0) ? "yes" : \
                  sprintf("no: %d whole, %d erases; %d px else", whole, erases, other)
        printf "tick, %s: px repainted a tick, mean / most|%.0f / %d|moved pictures + segment; never %d|%s\n",
               name[2], $(column["px/tick"]), $(column["max_px"]), window, verdict
    }' "$TMPDIR/tick.csv" >>"$rows"

echo "== workshop: analysis, repaint after an edit, memory (Google Benchmark, offscreen) =="
"$build/bench/kestrilon-bench-workshop" --benchmark_out="$TMPDIR/workshop.csv" \
    --benchmark_out_format=csv
awk -F, '
    /^name,/ { for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); column[$i] = i }; next }
    /analyse_3600/ {
        us = $(column["real_time"]); bare = $(column["bare_us"])
        printf "workshop: analyse 3600 samples; / bare QPainter of its curves|%.0f us; %.3f|< 500 us|%s\n",
               us, us / bare, us < 500 ? "yes" : "no"
    }
    /repaint_after_edit_2x/ {
        us = $(column["real_time"]); bare = $(column["bare_us"])
        printf "workshop: edit and repaint at 2x; / bare QPainter of its curves|%.1f ms; %.2f|< 4 ms|%s\n",
               us / 1000, us / bare, us < 4000 ? "yes" : "no"
    }
    /memory_over_10000_edits/ {
        first = $(column["kib_after_1000"]); last = $(column["kib_after_10000"])
        growth = 100 * (last - first) / first
        printf "workshop: memory after 1000 and 10000 edits|%d / %d KiB (%+.1f %%)|flat (within 2 %%)|%s\n",
               first, last, growth, (growth < 2 && growth > -2) ? "yes" : "no"
    }' "$TMPDIR/workshop.csv" >>"$rows"

echo "== beat (real event loop, offscreen) =="
QT_QPA_PLATFORM=offscreen "$build/bench/kestrilon-bench-beat" | tee "$TMPDIR/beat.txt"
awk '{
    cam = $1; interval = $2; rate = $3; asked = $4; p99 = $5
    off = 100 * (rate - asked) / asked
    met = (off <= 2 && off >= -2 && p99 <= interval + 2) ? "yes" : "no"
    printf "beat, %s at %d ms: ticks a second; p99 gap|%.2f of %g (%+.2f %%); %.2f ms|within 2 %%; p99 <= %d ms|%s\n",
           cam, interval, rate, asked, off, p99, interval + 2, met
}' "$TMPDIR/beat.txt" >>"$rows"

echo "== start-up and CPU (Xvfb) =="
# -noreset: with no client left between two runs, Xvfb would otherwise reset
# and refuse the next connection for a moment.
if ! xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bench/desktop.sh "$build" 10 >>"$rows"; then
    echo "start-up and CPU under Xvfb|failed, see above||no" >>"$rows"
fi

echo
{
    echo "measure|value|goal|met"
    cat "$rows"
} | awk -F'|' '
    { for (i = 1; i <= NF; i++) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } }
    END {
        for (r = 1; r <= NR; r++) {
            line = ""
            for (i = 1; i <= 4; i++) line = line sprintf("%-" width[i] "s  ", cell[r, i])
            sub(/ +$/, "", line); print line
            if (r == 1) { rule = ""; for (i = 1; i <= 4; i++) { s = sprintf("%" width[i] "s", ""); gsub(/ /, "-", s); rule = rule s "  " } sub(/ +$/, "", rule); print rule }
        }
    }' | tee "$build/results.txt"
