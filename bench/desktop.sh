#!/usr/bin/env bash
# The benchmarks that need the real program on a display: start-up time and
# peak memory against the bare Qt window, and CPU use idle and animating.
# Runs inside a virtual display (scripts/bench.sh starts one); prints rows of
# the results table, "measure|value|goal|met", and its progress on stderr.
#   bench/desktop.sh BUILD-DIR [START-UP RUNS]
set -euo pipefail
build=$1
runs=${2:-10}
kestrilon=$build/app/kestrilon
floor=$build/bench/kestrilon-floor
xwatch=$build/bench/kestrilon-xwatch

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
atMost() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v <= goal) ? "yes" : "no" }'; }

# Start-up, the two programs taking turns so that a change in the machine's
# load falls on both. The watched pixel is client pixel (320, 250), 168 rows
# above the window's bottom: the backdrop's grey panel in Kestrilon, the flat
# colour in the bare window.
# One untimed start of each first, so that neither pays for a cold disk cache.
"$xwatch" 144,144,144 320 168 -- "$kestrilon" >/dev/null
"$xwatch" 64,128,192 320 168 -- "$floor" >/dev/null
: >"$TMPDIR/kestrilon.startup"
: >"$TMPDIR/floor.startup"
for run in $(seq "$runs"); do
    echo "start-up run $run of $runs" >&2
    "$xwatch" 144,144,144 320 168 -- "$kestrilon" >>"$TMPDIR/kestrilon.startup"
    "$xwatch" 64,128,192 320 168 -- "$floor" >>"$TMPDIR/floor.startup"
done
appTime=$(cut -d' ' -f1 "$TMPDIR/kestrilon.startup" | median)
floorTime=$(cut -d' ' -f1 "$TMPDIR/floor.startup" | median)
appMemory=$(cut -d' ' -f2 "$TMPDIR/kestrilon.startup" | median)
floorMemory=$(cut -d' ' -f2 "$TMPDIR/floor.startup" | median)
timeRatio=$(ratio "$appTime" "$floorTime")
memoryRatio=$(ratio "$appMemory" "$floorMemory")
echo "start-up, Kestrilon (median of $runs)|$appTime ms||"
echo "start-up, bare Qt window (median of $runs)|$floorTime ms||"
echo "start-up time, Kestrilon / bare window|$timeRatio|<= 1.3|$(atMost "$timeRatio" 1.3)"
echo "peak memory, Kestrilon (VmHWM)|$(( appMemory / 1024 )) MiB||"
echo "peak memory, bare Qt window (VmHWM)|$(( floorMemory / 1024 )) MiB||"
echo "peak memory, Kestrilon / bare window|$memoryRatio|<= 1.3|$(atMost "$memoryRatio" 1.3)"

# CPU seconds per wall second of the whole process, all threads.
cpuSeconds() { awk -v hz="$(getconf CLK_TCK)" '{ sub(/.*\) /, ""); print ($12 + $13) / hz }' "/proc/$1/stat"; }
now() { date +%s.%N; }
cpuShare() { # PID SECONDS
    local cpu0 wall0 cpu1 wall1
    cpu0=$(cpuSeconds "$1"); wall0=$(now)
    sleep "$2"
    cpu1=$(cpuSeconds "$1"); wall1=$(now)
    awk -v c="$(awk -v a="$cpu0" -v b="$cpu1" 'BEGIN { print b - a }')" \
        -v w="$(awk -v a="$wall0" -v b="$wall1" 'BEGIN { print b - a }')" \
        'BEGIN { printf "%.2f", 100 * c / w }'
}
# Distinct pictures among ten grabs of the window a tenth of a second apart.
distinctGrabs() {
    for _ in $(seq 10); do
        import -window "$1" rgb:- 2>/dev/null | md5sum
        sleep 0.1
    done | sort -u | wc -l
}

"$kestrilon" 2>/dev/null &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --pid "$program" --name "Cam Simulation" | head -n 1)
sleep 1
echo "idle CPU, 10 s" >&2
idle=$(cpuShare "$program" 10)
echo "CPU idle, % of one core over 10 s|$idle %|0|$(atMost "$idle" 0)"

# The window's height less the client area's is the menu bar's.
source "$(dirname "$0")/../scripts/layout.sh"
clientHeight=$(layoutPixels clientHeight)
height=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[2] }')
menu=$(( height - clientHeight ))
# The pear's icon lies at client pixels (8..94, 56..156), below the menu bar;
# Home puts the scroll bar, which holds the focus, at its fastest, 10 ms.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 50 $(( 100 + menu )) click 1
xdotool key --window "$window" Home
sleep 1
grabs=$(distinctGrabs "$window")
echo "animating CPU, 10 s ($grabs of 10 grabs differ)" >&2
busy=$(cpuShare "$program" 10)
if (( grabs < 7 )); then
    echo "CPU animating at 10 ms, % of one core over 10 s|$busy % (cam not seen turning fast)|< 3 %|no"
else
    echo "CPU animating at 10 ms, % of one core over 10 s|$busy %|< 3 %|$(awk -v v="$busy" 'BEGIN { print (v < 3) ? "yes" : "no" }')"
fi
kill "$program"

# The toolkit's own cost of the same work: the bare window swapping two
# frame-sized pictures every 10 ms.
"$floor" --animate 2>/dev/null &
program=$!
timeout 20 xdotool search --sync --pid "$program" --name "Floor" >/dev/null
sleep 1
echo "bare window animating CPU, 10 s" >&2
floorBusy=$(cpuShare "$program" 10)
echo "CPU, bare Qt window repainting a frame every 10 ms|$floorBusy %||"
