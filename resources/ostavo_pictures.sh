#!/bin/bash
# Draws the launcher's pictures (ImageMagick) into the 8-bit bitmaps that
# ostavo.rc names: the splash (505 x 598) and the two pictures of the high-DPI
# help. Run it from this folder after changing a picture; the bitmaps are kept
# in the repository so that the build needs no drawing tools.
set -eu
GOTHIC=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
MINCHO=/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf
TITLE=/usr/share/fonts/opentype/urw-base35/P052-Bold.otf
BLUE='#1d4f8a'
PAPER='#fbfaf5'
RULE='#d5e1ee'

# Splash: a blue head with the name, a ledger page under the version text and
# the size choice, and a blue foot with the one instruction the user needs.
convert -size 505x598 xc:"$PAPER" \
  \( -size 505x200 gradient:'#163f70-#2d6cae' \) -geometry +0+0 -composite \
  -fill '#c9a447' -draw 'rectangle 0,200 505,205' \
  -stroke "$RULE" -strokewidth 1 \
  -draw "$(for y in $(seq 262 24 502); do printf 'line 0,%d 505,%d ' "$y" "$y"; done)" \
  -stroke '#e3a2a2' -draw 'line 44,205 44,520' -draw 'line 48,205 48,520' \
  -stroke none \
  -fill "$BLUE" -draw 'rectangle 0,520 505,598' \
  -fill '#c9a447' -draw 'rectangle 0,516 505,520' \
  -fill white -font "$TITLE" -pointsize 76 -gravity north -annotate +0+28 'Zirere' \
  -font "$GOTHIC" -pointsize 22 -annotate +0+122 '青色申告の帳簿づけ' \
  -fill '#dce7f5' -pointsize 14 -annotate +0+158 '仕訳帳・総勘定元帳・現金出納帳・決算書' \
  -fill white -pointsize 15 -gravity south -annotate +0+42 '表示フォントサイズを選んで［開始］を押してください。' \
  -fill '#b9cce4' -pointsize 12 -annotate +0+18 '画面の大きさに合ったサイズがはじめから選ばれています。' \
  -type Palette -colors 256 -compress None BMP3:ostavo_splash.bmp

# A desktop icon with its context menu, the entry プロパティ picked (steps 1 and 2).
convert -size 220x280 xc:'#3a6ea5' \
  -fill white -draw 'roundrectangle 22,18 70,66 6,6' \
  -fill "$BLUE" -draw 'rectangle 30,26 62,58' \
  -fill white -font "$TITLE" -pointsize 26 -draw "text 37,52 'Z'" \
  -font "$GOTHIC" -pointsize 13 -fill white -draw "text 24,84 'Zirere'" \
  -fill '#f0f0f0' -stroke '#808080' -draw 'rectangle 60,92 206,262' -stroke none \
  -fill black -pointsize 13 \
  -draw "text 74,114 '開く(O)'" -draw "text 74,138 '管理者として実行'" \
  -draw "text 74,162 '送る(N)'" -draw "text 74,186 '切り取り(T)'" -draw "text 74,210 'コピー(C)'" \
  -fill '#c0c0c0' -draw 'rectangle 66,220 200,221' \
  -fill '#316ac5' -draw 'rectangle 63,228 203,252' \
  -fill white -draw "text 74,245 'プロパティ(R)'" \
  -fill '#ffcc00' -stroke black -strokewidth 1 -draw 'polygon 150,236 150,262 157,256 162,268 167,266 162,254 171,254' \
  -type Palette -colors 256 -compress None BMP3:ostavo_help_menu.bmp

# The compatibility tab of the properties with the high-DPI check box (steps 3 and 4).
convert -size 228x350 xc:'#f0f0f0' \
  -fill "$BLUE" -draw 'rectangle 0,0 228,24' \
  -fill white -font "$GOTHIC" -pointsize 13 -draw "text 8,17 'Zirereのプロパティ'" \
  -fill black -pointsize 12 \
  -draw "text 10,46 '全般'" -draw "text 52,46 'ショートカット'" \
  -fill white -stroke '#808080' -draw 'rectangle 138,32 196,52' -stroke none \
  -fill black -draw "text 146,46 '互換性'" \
  -fill white -stroke '#808080' -draw 'rectangle 6,52 222,318' -stroke none \
  -fill black \
  -draw "text 16,76 '互換モード'" \
  -fill white -stroke '#808080' -draw 'rectangle 16,86 28,98' -stroke none \
  -fill '#606060' -draw "text 34,97 '互換モードで実行する'" \
  -fill black -draw "text 16,126 '設定'" \
  -fill white -stroke '#808080' -draw 'rectangle 16,136 28,148' -stroke none \
  -fill '#606060' -draw "text 34,147 '256 色で実行する'" \
  -fill white -stroke '#808080' -draw 'rectangle 16,160 28,172' -stroke none \
  -fill '#606060' -draw "text 34,171 '640x480で実行する'" \
  -fill '#fff4c2' -stroke '#d9a400' -draw 'rectangle 10,182 218,222' -stroke none \
  -fill white -stroke '#404040' -draw 'rectangle 16,188 28,200' -stroke none \
  -stroke black -strokewidth 2 -fill none -draw 'polyline 18,194 21,198 27,189' -stroke none -strokewidth 1 \
  -fill black -draw "text 34,199 '高 DPI 設定では画面の'" -draw "text 34,215 'スケーリングを無効にする'" \
  -fill white -stroke '#808080' -draw 'rectangle 16,232 28,244' -stroke none \
  -fill '#606060' -draw "text 34,243 '管理者としてこのプログラムを'" -draw "text 34,259 '実行する'" \
  -fill '#e8e8e8' -stroke '#707070' -draw 'rectangle 40,326 100,344' -draw 'rectangle 106,326 166,344' \
  -stroke none -fill black -draw "text 62,340 'OK'" -draw "text 112,340 'キャンセル'" \
  -type Palette -colors 256 -compress None BMP3:ostavo_help_setting.bmp
