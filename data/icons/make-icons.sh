#!/usr/bin/env bash
# Draws the program's icons with ImageMagick; the .ico files are kept in git, so
# run this only after changing a drawing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# The application icon: a blue shield with a white check mark.
convert -size 256x256 xc:none \
  -fill '#1d4f91' -stroke '#0b2a55' -strokewidth 8 \
  -draw 'path "M 128,14 L 226,50 L 220,132 C 212,190 170,226 128,244 C 86,226 44,190 36,132 L 30,50 Z"' \
  -fill '#3d7fd6' -stroke none \
  -draw 'path "M 128,34 L 206,62 L 201,130 C 195,178 162,208 128,224 Z"' \
  -fill none -stroke white -strokewidth 26 -draw 'polyline 78,128 114,166 182,88' \
  -define icon:auto-resize=256,48,32,16 pyrafix.ico

# Small list images: a plain coloured badge with a sign each.
badge() { # name colour drawing-options...
  local name=$1 colour=$2
  shift 2
  convert -size 64x64 xc:none -fill "$colour" -stroke '#333333' -strokewidth 3 -draw 'roundrectangle 6,6 58,58 10,10' \
    -fill white -stroke white "$@" -define icon:auto-resize=32,24,16 "$name.ico"
}
badge program '#7a8ba0' -strokewidth 5 -draw 'line 18,24 46,24' -draw 'line 18,34 46,34' -draw 'line 18,44 38,44'
badge details '#2f7dd3' -strokewidth 1 -draw 'circle 32,18 32,13' -draw 'rectangle 27,27 37,50'
badge remove '#c93a3a' -strokewidth 8 -draw 'line 20,20 44,44' -draw 'line 44,20 20,44'
badge service '#4f6f8f' -fill none -strokewidth 6 -draw 'circle 32,32 32,18'
badge manual '#d9a521' -strokewidth 1 -font DejaVu-Sans-Bold -pointsize 38 -gravity center -annotate 0 M
badge automatic '#3a9a4a' -strokewidth 1 -font DejaVu-Sans-Bold -pointsize 38 -gravity center -annotate 0 A
badge nonms '#e07020' -strokewidth 1 -font DejaVu-Sans-Bold -pointsize 44 -gravity center -annotate 0 '!'
