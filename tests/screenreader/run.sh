#!/usr/bin/env bash
# Runs the screen-reader client against the real program: a virtual display,
# a D-Bus session of its own (which starts the accessibility bus on demand)
# and the client's own warnings checked as well as the program's.
# Usage: run.sh <kestrilon executable>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# On a real display the program loads libxkbcommon-x11, whose strndup of a
# keymap name that is not NUL-terminated the sanitizers' strict string checks
# report; the call is within bounds, so those checks are off for this run.
if [[ -n "${ASAN_OPTIONS:-}" ]]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
fi
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    /usr/bin/python3 "$here/client.py" "$program" "$work/program.err" "$work" \
    2> >(tee "$work/client.err" >&2) || status=$?
if grep -q "dbind-WARNING" "$work/client.err"; then
    echo "FAIL the client's AT-SPI library dropped malformed events:" >&2
    grep "dbind-WARNING" "$work/client.err" | sort | uniq -c >&2
    status=1
fi
exit $status
