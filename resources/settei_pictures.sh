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
  # Drawn without smoothing: a blend of a colour and the mask would show as a teal fringe.
  convert -size 16x16 xc:"$MASK" +antialias "$@" -type TrueColor -compress None BMP3:"$file"
}

folder() {  # folder <file> <edge colour> <fill colour>
  icon "$1" -fill "$2" -draw 'rectangle 1,3 6,5' -fill "$3" -stroke "$2" -draw 'rectangle 1,5 14,13'
}

card() {  # card <file> <colour>: a white card with lines
  icon "$1" -fill white -stroke "$2" -draw 'rectangle 2,2 13,13' -stroke none \
    -fill "$2" -draw 'rectangle 4,5 11,5' -draw 'rectangle 4,8 11,8' -draw 'rectangle 4,11 9,11'
}

tag() {  # tag <file> <fill colour> <edge colour>: a small tag
  icon "$1" -fill "$2" -stroke "$3" -draw 'polygon 3,5 10,5 13,8 10,11 3,11' \
    -stroke none -fill white -draw 'rectangle 10,8 10,8'
}

# Root: a bound book.
icon dict_root.bmp -fill '#7a3b10' -draw 'rectangle 2,1 13,14' -fill '#f4e4c0' -draw 'rectangle 4,2 12,13' \
  -fill '#7a3b10' -draw 'rectangle 6,5 11,5' -draw 'rectangle 6,8 11,8'
# Class: a yellow folder.
folder dict_class.bmp '#b08800' '#ffd84a'
# Cause account: a blue card.
card dict_cause_account.bmp '#1d4f8a'
# Description under a cause account: a blue tag.
tag dict_cause_description.bmp '#6fa8dc' '#1d4f8a'
# Result branch: an orange folder.
folder dict_result_branch.bmp '#b05a00' '#ffa040'
# Result account: a green card.
card dict_result_account.bmp '#2e7d32'
# Description under a result account: a green tag.
tag dict_result_description.bmp '#8bd48f' '#2e7d32'

# The caption of the selected item between the create buttons.
convert -size 96x22 xc:'#fff8d0' -fill none -stroke '#b08800' -draw 'rectangle 0,0 95,21' -stroke none \
  -fill black -font "$GOTHIC" -pointsize 14 -gravity center -annotate +0+0 '選択項目' \
  -type TrueColor -compress None BMP3:dict_selected_caption.bmp
