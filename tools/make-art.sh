#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the programs' artwork with ImageMagick: each program's icon in the sizes window managers
# draw it at (art/, compiled into the programs) and in the larger sizes of the desktop menu
# (packaging/icons/), numeria's picture above the menu buttons and the eight-frame animation
# between the bottom buttons. Pictures are 8-bit RGBA, which decodes in a third of the time of
# 16-bit.
set -euo pipefail
cd "$(dirname "$0")/../art"
font=DejaVu-Sans-Bold

# The icons are drawn by hand as SVG in packaging/ (the desktop menu takes those as they are);
# the fixed sizes are rendered from them, from 256 pixels down.
mkdir -p ../packaging/icons
for program in numeria fractio; do
    master=../packaging/icons/$program-icon-256.png
    convert -background none "../packaging/$program-icon.svg" -strip -depth 8 PNG32:"$master"
    for size in 64 128; do
        convert "$master" -resize ${size}x${size} -strip -depth 8 PNG32:"../packaging/icons/$program-icon-$size.png"
    done
    for size in 16 24 32 48; do
        convert "$master" -resize ${size}x${size} -strip -depth 8 PNG32:"$program-icon-$size.png"
    done
done

# The picture's lowest rows lie under the menu's rounded panel, so they stay transparent.
convert -size 114x71 xc:none -fill '#FFFFFF' -stroke '#1565C0' -strokewidth 2 \
    -draw 'roundrectangle 3,2 110,58 8,8' -stroke none -font "$font" -pointsize 20 \
    -fill '#C62828' -annotate +14+26 '+' \
    -fill '#2E7D32' -annotate +46+26 '−' \
    -fill '#1565C0' -annotate +78+26 '×' \
    -fill '#6A1B9A' -annotate +30+51 '÷' \
    -fill '#EF6C00' -annotate +64+51 '=' \
    -depth 8 PNG32:menu-picture.png

frames=()
for i in 0 1 2 3 4 5 6 7; do
    # The ball keeps clear of the panel's edge that crosses the picture's top rows.
    y=$(( 32 + (i < 4 ? i : 7 - i) * 16 ))
    colour=$(echo '#C62828 #EF6C00 #F9A825 #2E7D32 #1565C0 #6A1B9A #AD1457 #00838F' | cut -d' ' -f$((i + 1)))
    convert -size 57x100 xc:none -fill "$colour" -draw "circle 28,$y 28,$((y - 14))" \
        -font "$font" -fill white -pointsize 16 -gravity northwest -annotate +$((23))+$((y - 10)) "$((i + 1))" \
        /tmp/menu-frame-$i.png
    frames+=(/tmp/menu-frame-$i.png)
done
convert -delay 15 -loop 0 -dispose Background "${frames[@]}" menu-animation.gif
