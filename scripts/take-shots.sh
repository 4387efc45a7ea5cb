#!/usr/bin/env bash
# Runs inside a virtual display (see screenshot.sh).
set -euo pipefail
build/default/app/kestrilon &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
# Prints the id of the window whose title starts with $1, waiting up to 5 s.
waitForWindow() {
    local found
    for _ in $(seq 50); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [[ -n "$found" ]] \
            && { echo "$found"; return; }
        sleep 0.1
    done
    echo "The window \"$1\" did not appear." >&2
    exit 1
}
window=$(waitForWindow "Cam Simulation")
sleep 0.5
import -window "$window" shots/start.png
echo "shots/start.png"

# Client-area points of the three icons, below the menu bar.
menu=$(( $(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[2]}') - 418 ))
click() { xdotool mousemove --window "$window" "$1" $(( $2 + menu )) click 1; }
for cam in pear:40:100 double-lobe:40:220 snail:40:340; do
    IFS=: read -r name x y <<<"$cam"
    click "$x" "$y"
    sleep 2.3
    import -window "$window" "shots/$name.png"
    echo "shots/$name.png"
    if [[ $name == pear ]]; then
        # the hole on the top plate with the rod through it, for the close-up sheet
        convert "shots/$name.png" -crop "100x64+276+$(( 80 + menu ))" +repage shots/hole.png
    fi
    click "$x" "$y" # the cover now lies where the icon was
    sleep 0.3
done

# The test window: opened from the menu, one question posed, then a whole
# test played by clicking (snail, double lobe, pear pictures) to its score.
xdotool mousemove --window "$window" 22 9 click 1
quiz=$(waitForWindow "Kestrilon Test")
sleep 0.3
import -window "$quiz" shots/test-start.png
echo "shots/test-start.png"
press() { xdotool mousemove --window "$quiz" 292 28 click 1; sleep 0.1; }
answer() {
    case "$1" in
        S) xdotool mousemove --window "$quiz" 588 206 click 1 ;;
        D) xdotool mousemove --window "$quiz" 588 85 click 1 ;;
        P) xdotool mousemove --window "$quiz" 588 322 click 1 ;;
    esac
    sleep 0.1
}
press
import -window "$quiz" shots/test-question.png
echo "shots/test-question.png"
for cam in S D P S D S P D S D; do
    answer "$cam"
    press
done
import -window "$quiz" shots/test-score.png
echo "shots/test-score.png"

scripts/closeup.sh build/default/assets/pictures shots/hole.png shots/closeup.png
echo "shots/closeup.png"
