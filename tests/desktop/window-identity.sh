#!/usr/bin/env bash
# Starts Kestrilon on a real display server and checks the name its window gives the desktop
# (Wayland app id under headless weston, WM_CLASS and icon under Xvfb) leads to the menu entry.
# Usage: window-identity.sh wayland|x11 <kestrilon> <menu entry>
set -euo pipefail
mode=$1 program=$(realpath "$2") entry=$(realpath "$3")
# Each display server with a session bus of its own, as a desktop gives every program.
[[ $mode == x11 ]] && exec xvfb-run -a dbus-run-session -- "$0" x11-display "$program" "$entry"
[[ $mode == wayland ]] && exec dbus-run-session -- "$0" wayland-bus "$program" "$entry"
[[ $mode == wayland-bus ]] && mode=wayland
fail() { echo "FAIL: $*" >&2; exit 1; }
await() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

case $mode in
wayland)
    expected=$(basename "$entry" .desktop)
    export XDG_RUNTIME_DIR=$work
    chmod 700 "$work"
    weston --backend=headless-backend.so --socket=kestrilon-check --idle-time=0 >"$work/weston.log" 2>&1 &
    await test -S "$work/kestrilon-check" || { cat "$work/weston.log"; fail "weston did not start"; }
    env -u DISPLAY WAYLAND_DISPLAY=kestrilon-check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
        "$program" >/dev/null 2>"$work/kestrilon.log" &
    await grep -q 'set_app_id(' "$work/kestrilon.log" || fail "the window set no app id"
    got=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\(.*\)").*/\1/p' "$work/kestrilon.log")
    ;;
x11-display)
    expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
    [[ -n "$expected" ]] || fail "the menu entry has no StartupWMClass"
    # libxkbcommon-x11 strndup()s xcb's unterminated atom names, which strict ASan checks reject.
    [[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/kestrilon.log" 2>&1 &
    findWindow() {
        window=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Cam Simulation.*/\1/p' | head -1)
        [[ -n "$window" ]] && xprop -id "$window" WM_CLASS | grep -q "= "
    }
    await findWindow || { cat "$work/kestrilon.log"; fail "no Kestrilon window with a WM_CLASS"; }
    got=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "\([^"]*\)", .*/\1/p')
    # Read whole before searching, or grep -q would cut xprop off mid-write.
    icon=$(xprop -len 100000000 -id "$window" _NET_WM_ICON)
    for size in 16 32 48 128 256; do
        grep -q "Icon ($size x $size)" <<<"$icon" || fail "the window carries no $size px icon"
    done
    ;;
*) fail "unknown mode $mode" ;;
esac
echo "${mode%-display} window names '$got', menu entry '$expected'"
[[ "$got" == "$expected" ]] || fail "the window does not name its menu entry"
echo PASS
