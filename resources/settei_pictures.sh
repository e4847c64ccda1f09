#!/bin/bash
# Draws the dictionary editor's pictures (ImageMagick): the seven 16 x 16 node
# icons of the account tree, one per node kind, on the mask colour (teal
# #008080, which the image list makes transparent), and the caption picture
# "選択項目" that stands between the create buttons. Run it from this folder
# after changing a picture; the bitmaps are kept in the repository.
set -eu
GOTHIC=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
MASK='#008080'

icon() {  # icon <file> <draw commands...>
  local file=$1; shift
  convert -size 16x16 xc:"$MASK" "$@" -type TrueColor -compress None BMP3:"$file"
}

# Root: a bound book.
icon dict_root.bmp -fill '#7a3b10' -draw 'rectangle 2,1 13,14' -fill '#f4e4c0' -draw 'rectangle 4,2 12,13' \
  -fill '#7a3b10' -draw 'rectangle 6,5 11,5' -draw 'rectangle 6,8 11,8'
# Class: a yellow folder.
icon dict_class.bmp -fill '#b08800' -draw 'rectangle 1,3 6,5' -fill '#ffd84a' -stroke '#b08800' \
  -draw 'rectangle 1,5 14,13'
# Cause account: a blue card with lines.
icon dict_cause_account.bmp -fill white -stroke '#1d4f8a' -draw 'rectangle 2,2 13,13' -stroke none \
  -fill '#1d4f8a' -draw 'rectangle 4,5 11,5' -draw 'rectangle 4,8 11,8' -draw 'rectangle 4,11 9,11'
# Description under a cause account: a small blue tag.
icon dict_cause_description.bmp -fill '#6fa8dc' -stroke '#1d4f8a' -draw 'polygon 3,5 10,5 13,8 10,11 3,11' \
  -stroke none -fill white -draw 'rectangle 10,8 10,8'
# Result branch: an orange folder.
icon dict_result_branch.bmp -fill '#b05a00' -draw 'rectangle 1,3 6,5' -fill '#ffa040' -stroke '#b05a00' \
  -draw 'rectangle 1,5 14,13'
# Result account: a green card with lines.
icon dict_result_account.bmp -fill white -stroke '#2e7d32' -draw 'rectangle 2,2 13,13' -stroke none \
  -fill '#2e7d32' -draw 'rectangle 4,5 11,5' -draw 'rectangle 4,8 11,8' -draw 'rectangle 4,11 9,11'
# Description under a result account: a small green tag.
icon dict_result_description.bmp -fill '#8bd48f' -stroke '#2e7d32' -draw 'polygon 3,5 10,5 13,8 10,11 3,11' \
  -stroke none -fill white -draw 'rectangle 10,8 10,8'

# The caption of the selected item between the create buttons.
convert -size 96x22 xc:'#fff8d0' -fill none -stroke '#b08800' -draw 'rectangle 0,0 95,21' -stroke none \
  -fill black -font "$GOTHIC" -pointsize 14 -gravity center -annotate +0+0 '選択項目' \
  -type TrueColor -compress None BMP3:dict_selected_caption.bmp
