#!/usr/bin/env bash
# Writes a sheet of the pictures at four times their size, pixel for pixel, to compare
# drawings before and after a change: the hole with the rod through it as the window shows
# it, one frame of each cam, and both titles (drawn for ordinary screens, and for screens of
# twice the density at twice the zoom, so the two sit the same size).
# Usage: scripts/closeup.sh <pictures folder> <hole shot> <sheet.png>
set -euo pipefail
pictures=$1 hole=$2 sheet=$3
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# zoom <picture> <percent> <label> <out>
zoom() {
    convert "$1" -filter point -scale "$2%" -background '#202020' -fill white -font "$font" \
        -pointsize 16 label:"$3" +swap -gravity west -append \
        -bordercolor '#202020' -border 8 "$4"
}
zoom "$hole" 400 "hole with the rod, window pixels, 4x" "$work/a-hole.png"
zoom "$pictures/cams-title.bmp" 400 "cams-title 4x" "$work/b-cams.png"
zoom "$pictures@2x/cams-title.bmp" 200 "cams-title @2x, 2x" "$work/c-cams2.png"
zoom "$pictures/graph-title.bmp" 400 "graph-title 4x" "$work/d-graph.png"
zoom "$pictures@2x/graph-title.bmp" 200 "graph-title @2x, 2x" "$work/e-graph2.png"
zoom "$pictures/frame-start.bmp" 400 "pear, start, 4x" "$work/f-pear.png"
zoom "$pictures/frame-09.bmp" 400 "double lobe, frame(9), 4x" "$work/g-lobe.png"
zoom "$pictures/frame-12.bmp" 400 "snail, frame(12), 4x" "$work/h-snail.png"

convert -background '#202020' \
    \( "$work/a-hole.png" "$work/b-cams.png" "$work/c-cams2.png" +append \) \
    \( "$work/d-graph.png" "$work/e-graph2.png" +append \) \
    \( "$work/f-pear.png" "$work/g-lobe.png" "$work/h-snail.png" +append \) \
    -gravity northwest -append "$sheet"
