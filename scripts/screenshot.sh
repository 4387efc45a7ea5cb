#!/usr/bin/env bash
# Builds Kestrilon, starts it on a virtual display and writes PNGs of what the
# learner sees: shots/start.png as it opens, then, with a cam's icon clicked,
# shots/<cam>.png after a few ticks, and shots/test.png with the test window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/build.sh "${screenshot_packages[@]}" xdotool
mkdir -p shots
exec xvfb-run -a -s "-screen 0 1280x800x24" scripts/take-shots.sh
