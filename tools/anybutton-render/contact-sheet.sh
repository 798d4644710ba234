#!/usr/bin/env bash
# Renders every style in every state with anybutton-render into
# docs/images/anybutton-STYLE-STATE.png and puts them, doubled in size and
# labelled, on docs/images/anybutton-contact-sheet.png.
#
#   tools/anybutton-render/contact-sheet.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
render=$(realpath "$1")/tools/anybutton-render/anybutton-render
images=$root/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96

tiles=()
style_value=0
for style in standard flat xp rounded noborder; do
    for state in normal hover pressed armed; do
        single=$images/anybutton-$style-$state.png
        "$render" --set ButtonStyle=$style_value --state $state --size 100x40 -o "$single"
        convert "$single" -background '#8FA3B8' -flatten -scale 200% "$work/$style-$state.png"
        tiles+=(-label "$style $state" "$work/$style-$state.png")
    done
    style_value=$((style_value + 1))
done
montage "${tiles[@]}" -tile 4x -geometry +12+12 -background '#8FA3B8' -font DejaVu-Sans -pointsize 10 \
    "$images/anybutton-contact-sheet.png"
echo "wrote $images/anybutton-contact-sheet.png"
