#!/usr/bin/env bash
# Renders every style in every state with anybutton-render into
# docs/images/anybutton-STYLE-STATE.png and puts them, doubled in size and
# labelled, on docs/images/anybutton-contact-sheet.png; the same in a dark
# desktop's colours on docs/images/anybutton-contact-sheet-dark.png.
#
#   tools/anybutton-render/contact-sheet.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
render=$(realpath "$1")/tools/anybutton-render/anybutton-render
images=$root/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96

sheet() { # SUFFIX BACKGROUND [--dark]
    local suffix=$1 background=$2 tiles=() style_value=0
    shift 2
    for style in standard flat xp rounded noborder; do
        for state in normal hover pressed armed; do
            single=$images/anybutton-$style-$state.png
            [ $# -eq 0 ] || single=$work/dark-$style-$state.png
            "$render" --set ButtonStyle=$style_value --state $state --size 100x40 "$@" -o "$single"
            convert "$single" -background "$background" -flatten -scale 200% "$work/$style-$state.png"
            tiles+=(-label "$style $state" "$work/$style-$state.png")
        done
        style_value=$((style_value + 1))
    done
    montage "${tiles[@]}" -tile 4x -geometry +12+12 -background "$background" -font DejaVu-Sans \
        -pointsize 10 -fill "$([ $# -eq 0 ] && echo black || echo white)" \
        "$images/anybutton-contact-sheet$suffix.png"
    echo "wrote $images/anybutton-contact-sheet$suffix.png"
}
sheet "" '#8FA3B8'
sheet -dark '#323232' --dark
