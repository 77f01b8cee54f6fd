#!/bin/sh
# Redraws the program's pictures with ImageMagick 6 (convert):
#   banner.bmp  360 x 52, 24-bit BMP3, no alpha: the start page's banner
#   app.ico     48, 32, 24, 16: every page's small icon
#   file.ico    32, 24, 16: the program file's own icon
#   app.png     48 x 48: the icon for platforms that want PNG
#   app-192.png, app-512.png: the browser edition's icons when installed
# The text needs the DejaVu Sans Bold font. Run from anywhere; writes into
# resources/images of the source tree.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/resources/images"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$out"

dark='#0b3321'
mid='#1d6b3f'
light='#e6f4ea'
accent='#8fd19e'

# The icon is drawn once, large, and scaled down, so that every size shows
# the same picture: a camera body with its lens and an antenna sending.
convert -size 256x256 gradient:"$mid"-"$dark" \
    \( -size 256x256 xc:black -fill white -draw 'roundrectangle 8,8 247,247 44,44' \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -fill none -stroke "$accent" -strokewidth 12 \
    -draw 'arc 150,20 230,100 225,315' \
    -draw 'arc 170,40 210,80 225,315' \
    -stroke "$light" -strokewidth 10 -draw 'line 190,60 190,112' \
    -stroke none -fill "$light" \
    -draw 'roundrectangle 36,100 220,212 18,18' \
    -draw 'roundrectangle 60,84 112,108 8,8' \
    -fill "$dark" -draw 'circle 128,156 128,112' \
    -fill "$mid" -draw 'circle 128,156 128,126' \
    -fill "$light" -draw 'circle 118,146 118,138' \
    "$work/icon-256.png"

convert "$work/icon-256.png" -define icon:auto-resize=48,32,24,16 "$out/app.ico"
convert "$work/icon-256.png" -resize 192x192 -depth 8 -strip "$out/app-192.png"
convert "$work/icon-256.png" -resize 512x512 -depth 8 -strip "$out/app-512.png"
convert "$work/icon-256.png" -define icon:auto-resize=32,24,16 "$out/file.ico"
convert "$work/icon-256.png" -resize 48x48 -depth 8 -strip \
    -define png:exclude-chunks=date,time "$out/app.png"

# The banner: a dark green gradient with the icon's motif and the program's
# name. The start page shows only the left 340 columns, so nothing that
# matters lies in the last 20.
convert -size 52x360 gradient:"$mid"-"$dark" -rotate 90 \
    \( "$work/icon-256.png" -resize 40x40 \) -geometry +12+6 -compose Over -composite \
    -fill "$light" -font DejaVu-Sans-Bold -pointsize 24 -annotate +64+29 'trailcfg' \
    -fill "$accent" -font DejaVu-Sans -pointsize 10 -annotate +65+44 'cellular trail camera settings' \
    -fill "$accent" -draw 'rectangle 0,50 359,51' \
    -alpha off -type TrueColor "BMP3:$out/banner.bmp"

# The same banner drawn at twice the size, from the same picture and text at
# doubled sizes, for screens at 150 % and more (Windows at 144 and 192 DPI,
# Qt at a device pixel ratio of 1.5 and 2): scaled from here rather than
# blown up from the small one, it stays sharp. 8-bit with its own palette
# (the picture has few colours) keeps the Windows program small.
convert -size 104x720 gradient:"$mid"-"$dark" -rotate 90 \
    \( "$work/icon-256.png" -resize 80x80 \) -geometry +24+12 -compose Over -composite \
    -fill "$light" -font DejaVu-Sans-Bold -pointsize 48 -annotate +128+58 'trailcfg' \
    -fill "$accent" -font DejaVu-Sans -pointsize 20 -annotate +130+88 'cellular trail camera settings' \
    -fill "$accent" -draw 'rectangle 0,100 719,103' \
    -alpha off -colors 256 -type Palette -compress None "BMP3:$out/banner-2x.bmp"
