# Sizes from the simulation window's layout (animation/layout.h), read where they are written
# once and turned into pixels by the program's own rule (forms/twips.h), for the scripts that
# click in the window. Source it, then: clientHeight=$(layoutPixels clientHeight)
layoutRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The number in "inline constexpr int NAME = NUMBER;" of a header.
headerConstant() {
    awk -v name="$2" '$1 == "inline" && $2 == "constexpr" && $3 == "int" && $4 == name \
        && $5 == "=" && $6 ~ /^[0-9]+;$/ { print $6 + 0; found = 1; exit }
        END { exit !found }' "$1" \
        || { echo "No whole number named $2 in $1." >&2; return 1; }
}

# A length in the layout, in whole pixels, rounded down as the window rounds it.
layoutPixels() {
    local twips perPixel
    twips=$(headerConstant "$layoutRoot/animation/layout.h" "$1") || return 1
    perPixel=$(headerConstant "$layoutRoot/forms/twips.h" twipsPerPixel) || return 1
    echo $(( twips / perPixel ))
}
