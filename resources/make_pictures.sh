#!/usr/bin/env bash
# Draws the program's three pictures: the released and the pressed face of the bevel buttons and
# the title picture behind the about window. Run it after changing a picture and commit the PNGs;
# the build only compiles the committed files in.
set -euo pipefail
cd "$(dirname "$0")"

# Faces are drawn at the size of the page buttons (100 x 22); the other bevel buttons are 90 wide
# and show the same face.
convert -size 100x22 gradient:'#fdfdfd'-'#dcdfe4' \
    -fill none -stroke '#a7acb4' -draw 'rectangle 0,0 99,21' \
    -stroke '#ffffff' -draw 'line 1,1 98,1' \
    -depth 8 -strip back.png

convert -size 100x22 gradient:'#9cb9e3'-'#cfdff5' \
    -fill none -stroke '#5d79a6' -draw 'rectangle 0,0 99,21' \
    -stroke '#7f9cc8' -draw 'line 1,1 98,1' \
    -depth 8 -strip back2.png

# The about window lays its version, copyright and "All Right Reserved" labels over the right
# half, between y 55 and 95 of the window (57 to 97 on this picture), so the name stays above them.
convert -size 386x155 gradient:'#ffffff'-'#e6eefb' \
    -fill '#d7e3f6' -stroke none -draw 'rectangle 0,118 386,155' \
    -fill '#2f5597' -font Helvetica-BoldOblique -pointsize 40 -annotate +28+50 'Pavrine' \
    -fill '#6f8fc4' -font Helvetica-Oblique -pointsize 12 -annotate +32+76 'URL list maker' \
    -stroke '#2f5597' -strokewidth 2 -draw 'line 28,58 200,58' \
    -depth 8 -strip PavrineTitle.png
