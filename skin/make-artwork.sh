#!/bin/sh
# Draws the start window's artwork from gradients, shapes and text, so every image here can be remade and
# changed by editing this script. Needs ImageMagick's convert. Run from anywhere: images land beside it.
set -eu
cd "$(dirname "$0")"

GOLD='#E2B866'
GOLD_DARK='#8A6A2E'
INK='#0B121B'

# Night sky over three mountain ranges, a pale moon and low mist; drawn at half size and stored as a
# 128-colour palette image, since the window scales it up smoothly.
background() {
  convert -size 565x350 gradient:'#070C14'-'#1E3B4C' \
    \( -size 565x350 xc:none -fill '#F4E9C8' -draw 'circle 400,64 400,36' \
       -fill '#F4E9C826' -draw 'circle 400,64 400,14' -blur 0x6 \) -composite \
    -fill '#FFFFFF' -draw 'point 40,30 point 95,64 point 140,22 point 201,48 point 260,18 point 318,56
                           point 352,28 point 488,40 point 530,70 point 75,110 point 170,95 point 505,120' \
    -fill '#16283A' -draw 'polygon 0,230 60,170 110,200 170,140 230,190 290,150 350,200 420,160 480,205 565,165 565,350 0,350' \
    -fill '#0F1D2B' -draw 'polygon 0,270 50,235 120,260 185,215 250,255 330,225 400,262 470,232 565,258 565,350 0,350' \
    \( -size 565x350 xc:none -fill '#9CC3D61C' -draw 'rectangle 0,250 565,275' -blur 0x8 \) -composite \
    -fill "$INK" -draw 'polygon 0,310 80,285 160,300 260,280 360,302 450,288 565,305 565,350 0,350' \
    -dither FloydSteinberg -colors 128 PNG8:bg.png
}

# The frame the login page sits in: dark glass with a gold rim and a header rule.
panel() {
  convert -size 630x480 xc:none \
    -fill '#0A1018D0' -stroke "$GOLD_DARK" -strokewidth 2 -draw 'roundrectangle 1,1 628,478 10,10' \
    -stroke "$GOLD" -strokewidth 1 -draw 'line 24,44 606,44' \
    -stroke none -fill "$GOLD" -draw 'polygon 315,38 321,44 315,50 309,44' \
    -font DejaVu-Serif -pointsize 15 -fill '#D8C9A3' -gravity north -annotate +0+12 'Account' \
    PNG32:panel.png
}

# A title bar tab in one state: $1 file, $2 fill, $3 rim.
tab() {
  convert -size 104x28 xc:none -fill "$2" -stroke "$3" -strokewidth 1 \
    -draw 'roundrectangle 0.5,0.5 103.5,27.5 5,5' PNG32:"$1"
}

# A system button in one state: $1 file, $2 fill, $3 glyph colour, $4 glyph drawing.
sysbutton() {
  convert -size 32x28 xc:none -fill "$2" -draw 'roundrectangle 0,0 31,27 4,4' \
    -stroke "$3" -strokewidth 2 -fill none -draw "$4" PNG32:"$1"
}

# The house crest: a gilded shield bearing a V.
emblem() {
  convert -size 96x110 xc:none \
    -fill "$GOLD_DARK" -draw 'polygon 4,4 92,4 92,58 48,106 4,58' \
    \( -size 96x110 gradient:"$GOLD"-'#6B4F1F' \
       \( -size 96x110 xc:black -fill white -draw 'polygon 9,9 87,9 87,56 48,99 9,56' \) \
       -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite \
    -font DejaVu-Serif-Bold -pointsize 54 -fill "$INK" -gravity center -annotate +0-6 'V' \
    PNG32:emblem.png
}

background
panel
tab tab_normal.png '#FFFFFF10' '#E2B86655'
tab tab_hot.png '#E2B86640' "$GOLD"
tab tab_pushed.png '#8A6A2E90' "$GOLD"
CROSS='line 11,9 21,19 line 21,9 11,19'
DASH='line 10,14 22,14'
sysbutton close_normal.png '#00000000' '#D8C9A3' "$CROSS"
sysbutton close_hot.png '#C0392BE0' '#FFFFFF' "$CROSS"
sysbutton close_pushed.png '#8E2A1FF0' '#FFFFFF' "$CROSS"
sysbutton min_normal.png '#00000000' '#D8C9A3' "$DASH"
sysbutton min_hot.png '#FFFFFF30' '#FFFFFF' "$DASH"
sysbutton min_pushed.png '#FFFFFF18' '#FFFFFF' "$DASH"
emblem
