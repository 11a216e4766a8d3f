#!/usr/bin/env bash
# Draws the application icon of each build configuration (ImageMagick); the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")"
draw() {  # name, inner colour, outer colour
  convert -size 64x64 xc:none \
    -fill "radial-gradient:$2-$3" -draw "roundrectangle 2,2 61,61 14,14" \
    -fill none -stroke '#f3d27a' -strokewidth 3 -draw "roundrectangle 3,3 60,60 13,13" \
    -stroke '#f3d27a' -strokewidth 5 -draw "line 32,12 32,52" -draw "line 18,24 46,40" -draw "line 46,24 18,40" \
    -fill '#fff4c8' -stroke none -draw "circle 32,32 32,38" \
    -depth 8 "icon-$1.png"
}
draw demo '#3a6ea5' '#0b1a33'
draw main '#a53a3a' '#2b0b0b'
draw second '#3aa56a' '#0b2b18'
