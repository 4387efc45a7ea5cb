#!/usr/bin/env bash
# Runs a command at a virtual X display under a real window manager, as on a learner's desktop,
# in a D-Bus session of its own: without one, libdbus would start a bus through the X server
# (dbus-launch, where dbus-x11 is installed) or leak what it read while failing to.
# Usage: tests/with-window-manager.sh command [arguments...]
set -euo pipefail
if [[ -z "${WINDOW_MANAGER_DISPLAY_STARTED:-}" ]]; then
    export WINDOW_MANAGER_DISPLAY_STARTED=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true' EXIT
sleep 0.5
# libxkbcommon-x11 hands strndup the keymap's names with their lengths, not NUL-terminated,
# which the sanitizer's strict string checks take for an overflow in the X libraries.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
QT_QPA_PLATFORM=xcb "$@"
