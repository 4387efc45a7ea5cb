#!/usr/bin/env bash
# Ends the real program in every way a learner mixing keys and clicks may, under a real window
# manager at a virtual display, and expects a clean exit each time: the menu bar's keyboard
# highlight must never outlive the window it belongs to.
# Usage: keyboard-endings.sh <kestrilon>
set -euo pipefail
program=$(realpath "$1")
if [[ -z "${KEYBOARD_ENDINGS_DISPLAY:-}" ]]; then
    export KEYBOARD_ENDINGS_DISPLAY=1
    # A session bus of its own, as the desktop gives every program.
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
# libxkbcommon-x11 strndup()s xcb's unterminated atom names, which strict ASan checks reject.
[[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true' EXIT
sleep 0.5

# Places in the simulation window's client area, in pixels: the menu bar's two items and the
# pear's icon.
test_item=(20 12) exit_item=(58 12) pear_icon=(51 128)

failures=0
# One row: a name, the status the program must end with, then xdotool steps run one by one
# ("key F10", "click pear_icon", "test window" waits for the test window and comes back).
row() {
    local name=$1 expected=$2
    shift 2
    "$program" >/dev/null 2>&1 &
    local pid=$! window=
    for _ in $(seq 100); do
        window=$(xdotool search --all --pid "$pid" --onlyvisible --name 'Cam Simulation' 2>/dev/null \
                 | head -1) && [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] || { echo "FAIL $name: no window"; kill "$pid"; failures=$((failures + 1)); return; }
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    sleep 0.3
    for step in "$@"; do
        case $step in
        click\ *)
            local -n place=${step#click }
            xdotool mousemove --window "$window" "${place[0]}" "${place[1]}" click 1 ;;
        "test window")
            for _ in $(seq 50); do
                xdotool search --all --pid "$pid" --onlyvisible --name 'Kestrilon Test' >/dev/null \
                    && break
                sleep 0.1
            done
            xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true ;;
        *) xdotool $step ;;
        esac
        sleep 0.3
    done
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAIL $name: still running"
        kill "$pid"
        wait "$pid" || true
        failures=$((failures + 1))
        return
    fi
    local status=0
    wait "$pid" || status=$?
    if [[ $status -ne $expected ]]; then
        echo "FAIL $name: ended with status $status"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

row "Ctrl+Q" 0 "key ctrl+q"
row "F10, Escape, Ctrl+Q" 0 "key F10" "key Escape" "key ctrl+q"
row "F10, Right, Enter" 0 "key F10" "key Right" "key Return"
row "F10, Ctrl+Q" 0 "key F10" "key ctrl+q"
row "F10, close button" 0 "key F10" "key alt+F4"
row "F10, a click on Exit" 0 "key F10" "click exit_item"
row "pear turning, F10, Ctrl+Q" 0 "click pear_icon" "key F10" "key ctrl+q"
row "test window open, F10, Ctrl+Q" 0 "click test_item" "test window" "key F10" "key ctrl+q"
row "Alt, Ctrl+Q" 0 "key alt" "key ctrl+q"

echo "$((9 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
