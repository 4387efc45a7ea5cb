#!/usr/bin/env bash
# Runs inside a virtual display (see screenshot.sh). With a language code, the
# program runs in that language and only its start window and test are shot.
set -euo pipefail
code=${1:-}
# The windows' captions in each language, as the program's translations give them; xdotool
# matches bytes, so each pattern keeps to plain letters.
case "$code" in
    "") main="Cam Simulation"; quizTitle="Kestrilon Test"; out=shots ;;
    de) main="Kurvenscheiben-Simulation"; quizTitle="Kestrilon-Test"; out=shots/de ;;
    fr) main="Simulation de cames"; quizTitle="Test Kestrilon"; out=shots/fr ;;
    es) main="levas del equipo"; quizTitle="Prueba Kestrilon"; out=shots/es ;;
    *) echo "No shots for the language \"$code\"." >&2; exit 2 ;;
esac
if [[ -n $code ]]; then
    LANG=${code}_$(tr '[:lower:]' '[:upper:]' <<<"$code").UTF-8 LANGUAGE= LC_ALL= \
        build/default/app/kestrilon &
else
    build/default/app/kestrilon &
fi
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
window=$(waitForWindow "$main")
sleep 0.5
import -window "$window" "$out/start.png"
echo "$out/start.png"

# Client-area points of the three icons, below the menu bar: the window's height less the
# client area's is the menu bar's.
source scripts/layout.sh
clientHeight=$(layoutPixels clientHeight)
height=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[2]}')
menu=$(( height - clientHeight ))
click() { xdotool mousemove --window "$window" "$1" $(( $2 + menu )) click 1; }
cams=(pear:40:100 double-lobe:40:220 snail:40:340)
[[ -z $code ]] || cams=()
for cam in "${cams[@]}"; do
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
quiz=$(waitForWindow "$quizTitle")
sleep 0.3
import -window "$quiz" "$out/test-start.png"
echo "$out/test-start.png"
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
import -window "$quiz" "$out/test-question.png"
echo "$out/test-question.png"
for cam in S D P S D S P D S D; do
    answer "$cam"
    press
done
import -window "$quiz" "$out/test-score.png"
echo "$out/test-score.png"
[[ -z $code ]] || exit 0

scripts/closeup.sh build/default/pictures/pictures shots/hole.png shots/closeup.png
echo "shots/closeup.png"
