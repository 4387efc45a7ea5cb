#!/usr/bin/env bash
# Builds Kestrilon and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
program=build/default/app/kestrilon
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Kestrilon is built, but there is no display to show its window on." >&2
    echo "Without a display, run it inside a virtual one:" >&2
    echo "    xvfb-run -a $program" >&2
    exit 1
fi
exec "$program"
