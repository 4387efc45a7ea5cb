#!/usr/bin/env bash
# Starts Kestrilon on a real display server and reads back the name its window gives the
# desktop: the app id under a headless weston (Wayland), the WM_CLASS and window icon under
# Xvfb (X11). Both must lead to the menu entry, or docks show a generic icon for the window
# and cannot pin it.
# Usage: window-identity.sh wayland|x11 <kestrilon> <menu entry>
set -euo pipefail

mode=$1
program=$(realpath "$2")
entry=$(realpath "$3")
if [[ $mode == x11 ]]; then
    exec xvfb-run -a "$0" x11-display "$program" "$entry"
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 20 s for a command to succeed.
await() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

case $mode in
wayland)
    # The app id must be the entry's file name without .desktop.
    expected=$(basename "$entry" .desktop)
    export XDG_RUNTIME_DIR=$work
    chmod 700 "$work"
    weston --backend=headless-backend.so --socket=kestrilon-check --idle-time=0 \
        >"$work/weston.log" 2>&1 &
    pids+=($!)
    await test -S "$work/kestrilon-check" || { cat "$work/weston.log"; fail "weston did not start"; }
    env -u DISPLAY WAYLAND_DISPLAY=kestrilon-check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
        "$program" >/dev/null 2>"$work/kestrilon.log" &
    pids+=($!)
    await grep -q 'set_app_id(' "$work/kestrilon.log" \
        || { grep -v '^\[' "$work/kestrilon.log"; fail "the window set no app id"; }
    appId=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\(.*\)").*/\1/p' "$work/kestrilon.log")
    echo "Wayland app id: $appId"
    [[ "$appId" == "$expected" ]] || fail "app id '$appId', menu entry '$expected.desktop'"
    ;;
x11-display)
    # StartupWMClass names the instance half of WM_CLASS, which docks match to the entry.
    expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
    [[ -n "$expected" ]] || fail "the menu entry has no StartupWMClass"
    # libxkbcommon-x11 strndup()s the atom names in xcb's replies, which are not
    # NUL-terminated; strndup may be given such a string, but AddressSanitizer's
    # strict_string_checks insists on the terminator. Only this run on a real X server needs it off.
    if [[ -n "${ASAN_OPTIONS:-}" ]]; then
        export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
    fi
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/kestrilon.log" 2>&1 &
    pids+=($!)
    window=""
    findWindow() {
        window=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Cam Simulation.*/\1/p' | head -1)
        [[ -n "$window" ]]
    }
    await findWindow || { cat "$work/kestrilon.log"; fail "no Kestrilon window appeared"; }
    await eval 'xprop -id "$window" WM_CLASS | grep -q "= "' || fail "the window has no WM_CLASS"
    wmClass=$(xprop -id "$window" WM_CLASS)
    echo "X11 $wmClass"
    instance=$(sed -n 's/^WM_CLASS(STRING) = "\([^"]*\)", .*/\1/p' <<<"$wmClass")
    [[ "$instance" == "$expected" ]] || fail "WM_CLASS instance '$instance', StartupWMClass '$expected'"
    # Read whole before searching: the icon at every size is long, and a search that stops at
    # the first match would cut xprop off mid-write and fail the pipe.
    icon=$(xprop -len 100000000 -id "$window" _NET_WM_ICON)
    for size in 16 32 48 128 256; do
        grep -q "Icon ($size x $size)" <<<"$icon" || fail "the window carries no $size px icon"
    done
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: the window names its menu entry (${mode%-display})"
