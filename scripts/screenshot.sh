#!/usr/bin/env bash
# Builds Kestrilon, starts it on a virtual display and writes PNGs of what the
# learner sees: shots/start.png as it opens, then, with a cam's icon clicked,
# shots/<cam>.png after a few ticks, and shots/test.png with the test window.
# With --lang CODE (de, fr, es, or all) the program runs with that system language
# and writes shots/CODE/start.png, test-question.png and test-score.png instead.
set -euo pipefail
cd "$(dirname "$0")/.."
languages=()
while (($#)); do
    case "$1" in
        --lang) [[ $# -ge 2 ]] || { echo "--lang needs a language code" >&2; exit 2; }
                if [[ $2 == all ]]; then languages+=(de fr es); else languages+=("$2"); fi
                shift 2 ;;
        --lang=*) languages+=("${1#--lang=}"); shift ;;
        *) echo "usage: $0 [--lang CODE|all]..." >&2; exit 2 ;;
    esac
done
source scripts/packages.sh
scripts/build.sh "${screenshot_packages[@]}" xdotool
mkdir -p shots
if ((${#languages[@]} == 0)); then
    exec xvfb-run -a -s "-screen 0 1280x800x24" scripts/take-shots.sh
fi
for code in "${languages[@]}"; do
    mkdir -p "shots/$code"
    xvfb-run -a -s "-screen 0 1280x800x24" scripts/take-shots.sh "$code"
done
