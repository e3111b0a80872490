#!/usr/bin/env bash
# Draws the program's pictures into data/ and its desktop icon into packaging/icons/ (needs
# ImageMagick and the Noto CJK fonts).
# The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/../data"
C=/usr/bin/convert
BOLD=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc
REG=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc

lamp() {  # name fill highlight (24 px: the lamp's box reaches past the window's bottom edge)
    $C -size 24x24 xc:none -fill '#444444' -draw 'circle 12,12 12,2' \
       -fill "$2" -draw 'circle 12,12 12,4' -fill "$3" -draw 'circle 10,9 10,7' "PNG:$1"
}
lamp G.kvt '#1fae3a' '#b9f5c4'
lamp R.kvt '#d62a2a' '#f8b4b4'
lamp N.kvt '#8a8a8a' '#d6d6d6'

banner() {  # name from to text
    $C -size 174x36 "gradient:$2-$3" -font "$BOLD" -pointsize 15 -fill white \
       -stroke '#00000060' -strokewidth 1 -gravity center -annotate +0+0 "$4" "PNG:$1"
}
banner sl.kvt '#1d4e89' '#4f9bd9' 'ZETO 数学工具'
banner sl2.kvt '#7a2f8f' '#d9739f' '函数·曲线·方程·数列'

icon() {  # name background glyph-drawing...
    local name=$1 bg=$2
    shift 2
    $C -size 32x32 xc:none -fill "$bg" -stroke '#00000055' -draw 'roundrectangle 1,1 30,30 6,6' \
       -stroke none "$@" "PNG:$name"
}
icon calc.png '#f2a900' -fill white -draw 'rectangle 8,6 24,12' -fill '#5a3d00' \
     -draw 'rectangle 8,15 11,18' -draw 'rectangle 14,15 17,18' -draw 'rectangle 20,15 23,18' \
     -draw 'rectangle 8,21 11,24' -draw 'rectangle 14,21 17,24' -draw 'rectangle 20,21 23,24'
icon plane.png '#2f7dd1' -stroke white -strokewidth 2 -draw 'line 5,16 27,16' -draw 'line 16,5 16,27' \
     -stroke '#ffe14d' -fill none -draw 'bezier 6,26 12,4 20,4 26,26'
icon settings.png '#5b6b7a' -fill white -draw 'circle 16,16 16,7' -fill '#5b6b7a' -draw 'circle 16,16 16,12' \
     -fill white -draw 'rectangle 14,3 18,8' -draw 'rectangle 14,24 18,29' -draw 'rectangle 3,14 8,18' -draw 'rectangle 24,14 29,18'
icon web.png '#1c9c8c' -fill none -stroke white -strokewidth 2 -draw 'circle 16,16 16,6' \
     -draw 'ellipse 16,16 4,10 0,360' -draw 'line 6,16 26,16'
icon help.png '#3a8d3a' -fill white -font "$BOLD" -pointsize 22 -gravity center -annotate +0+0 '?'
icon about.png '#8a4fbf' -fill white -font "$BOLD" -pointsize 20 -gravity center -annotate +0+0 'i'
icon zeto.png '#1d4e89' -fill white -font "$BOLD" -pointsize 20 -gravity center -annotate +0+0 'Z'
icon page1.png '#e8f0fb' -fill '#1d4e89' -font "$BOLD" -pointsize 17 -gravity center -annotate +0+0 '√'
icon page2.png '#e8f0fb' -stroke '#d62a2a' -strokewidth 2 -fill none -draw 'bezier 4,28 12,2 20,2 28,28'
icon page3.png '#e8f0fb' -stroke '#1f7a3a' -strokewidth 2 -fill none -draw 'ellipse 16,16 12,8 0,360'
icon page4.png '#e8f0fb' -fill '#7a2f8f' -font "$BOLD" -pointsize 13 -gravity center -annotate +0+0 'x²'
# The coordinate window's tool strip shows these at half size: strokes are two or four pixels
# wide on even positions, so that they stay sharp when halved.
icon export.png '#1f9d55' -fill white -draw 'rectangle 6,4 25,17' -fill '#1f9d55' \
     -draw 'polygon 8,16 13,9 17,13 20,10 24,16' -fill white -draw 'rectangle 14,18 17,21' \
     -draw 'polygon 9,22 22,22 16,28 15,28'
icon text.png '#c2462e' -fill white -font "$BOLD" -pointsize 24 -gravity center -annotate +0+0 'A'
icon line.png '#d9822b' -stroke white -strokewidth 2 -draw 'line 8,24 24,8' -stroke none \
     -fill white -draw 'rectangle 5,21 10,26' -draw 'rectangle 22,6 27,11'
icon full.png '#2f7dd1' -stroke white -strokewidth 2 -fill none \
     -draw 'polyline 6,12 6,6 12,6' -draw 'polyline 20,6 26,6 26,12' \
     -draw 'polyline 26,20 26,26 20,26' -draw 'polyline 12,26 6,26 6,20'
icon print.png '#5b6b7a' -fill white -draw 'rectangle 10,4 21,9' -fill '#c9d3dc' \
     -draw 'rectangle 4,10 27,21' -fill '#2b3640' -draw 'rectangle 8,16 23,19' -fill white \
     -draw 'rectangle 10,18 21,27' -fill '#5b6b7a' -draw 'rectangle 12,20 19,21' \
     -draw 'rectangle 12,24 19,25'
icon list.png '#3b6fb6' -fill '#ffe14d' -draw 'rectangle 6,7 9,10' -draw 'rectangle 6,15 9,18' \
     -draw 'rectangle 6,23 9,26' -fill white -draw 'rectangle 12,8 26,9' -draw 'rectangle 12,16 26,17' \
     -draw 'rectangle 12,24 26,25'
$C -size 500x2 gradient:'#1d4e89-#4f9bd9' PNG:strip.png
$C -size 120x20 xc:none -font "$REG" -pointsize 12 -fill '#1d4e89' -gravity east -annotate +2+0 'ZETO V1.2' PNG:mark.png

# The desktop menu's icon: the window icon drawn anew at each size the hicolor theme wants, with
# a finer edge so that the border stays a hairline. No time stamps, so redrawing changes nothing.
app_icon() {  # size in px
    local n=$1 out=../packaging/icons/hicolor/$1x$1/apps s e r p w
    read -r s e r p w < <(awk -v n="$n" 'BEGIN { w = n / 64; if (w < 1) w = 1;
                                            print n / 32, n - 1 - n / 32, 6 * n / 32, 20 * n / 32, w }')
    mkdir -p "$out"
    $C -size "${n}x$n" xc:none -fill '#1d4e89' -stroke '#00000055' -strokewidth "$w" \
       -draw "roundrectangle $s,$s $e,$e $r,$r" -stroke none -fill white -font "$BOLD" \
       -pointsize "$p" -gravity center -annotate +0+0 'Z' -define png:exclude-chunks=date,time \
       "PNG:$out/zeto.png"
}
for size in 48 128 256; do app_icon "$size"; done
