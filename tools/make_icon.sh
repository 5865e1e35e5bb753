#!/usr/bin/env bash
# Draws the program's icon (a white note on a red rounded square) into ui/app.ico,
# in the 48, 32 and 16 pixel sizes. Needs ImageMagick.
set -euo pipefail
out=${1:-"$(dirname "$0")/../ui/app.ico"}
convert -size 256x256 xc:none \
    -fill '#c8281e' -draw 'roundrectangle 8,8 247,247 52,52' \
    -fill white \
    -draw 'ellipse 96,182 40,30 0,360' \
    -draw 'rectangle 122,52 142,182' \
    -draw 'polygon 122,52 142,40 200,74 200,112 142,84' \
    -define icon:auto-resize=48,32,16 "$out"
