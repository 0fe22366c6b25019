#!/usr/bin/env bash
# The program's desktop writer puts a bitmap in the screen's centre, then tiles it from the
# top-left corner, and removing it brings back the plain desktop.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work"
mkdir -p "$work"
# 300x200 red; a blue 10x10 mark in its bottom-right corner shows where each tile ends.
/usr/bin/convert -size 300x200 xc:'#d02818' -fill '#1830d0' -draw 'rectangle 290,190 299,199' BMP3:"$work/marked.bmp"
pic=$(winpath "$work/marked.bmp")
start_movani  # keeps the virtual desktop open; its window covers the top-left corner

"$WINELOADER" "$MOV_BIN/applywall.exe" "$pic" centre || fail "applywall centre"
px() { wb_pixel "$1" "$2" "$3"; }
wb_wait_pixel 655 478 1830D0 "$MOV_WAIT" "$SHOTS/writer_centre.png" || fail "the picture's corner mark is not at 655,478"
# Centred, the picture spans x 362..661 and y 284..483.
[ "$(px "$SHOTS/writer_centre.png" 512 384)" = D02818 ] || fail "the centre does not show the picture"
[ "$(px "$SHOTS/writer_centre.png" 655 478)" = 1830D0 ] || fail "the picture's corner mark is not at 655,478"
[ "$(px "$SHOTS/writer_centre.png" 668 384)" != D02818 ] || fail "the picture reaches past its right edge"
[ "$(px "$SHOTS/writer_centre.png" 512 490)" != D02818 ] || fail "the picture reaches past its bottom edge"
[ "$(px "$SHOTS/writer_centre.png" 1000 740)" != D02818 ] || fail "the corner shows the centred picture"

"$WINELOADER" "$MOV_BIN/applywall.exe" "$pic" tile || fail "applywall tile"
wb_wait_pixel 895 595 1830D0 "$MOV_WAIT" "$SHOTS/writer_tile.png" || fail "no tile mark at 895,595"
# Tiles start at 0,0: marks at x 290..299 + 300k, y 190..199 + 200j.
[ "$(px "$SHOTS/writer_tile.png" 895 595)" = 1830D0 ] || fail "no tile mark at 895,595"
[ "$(px "$SHOTS/writer_tile.png" 595 395)" = 1830D0 ] || fail "no tile mark at 595,395"
[ "$(px "$SHOTS/writer_tile.png" 1000 740)" = D02818 ] || fail "tiles do not reach the far corner"
[ "$(px "$SHOTS/writer_tile.png" 655 478)" = D02818 ] || fail "tiles are not aligned to the top-left corner"

"$WINELOADER" "$MOV_BIN/applywall.exe" remove || fail "applywall remove"
# Plain: the far corner shows neither of the picture's colours, and the centre and a former
# tile mark have the same colour as that corner.
plain() {
  local c; c=$(px "$1" 1000 740)
  [ "$c" != D02818 ] && [ "$c" != 1830D0 ] && [ "$(px "$1" 512 384)" = "$c" ] && [ "$(px "$1" 895 595)" = "$c" ]
}
wb_wait_shot "$SHOTS/writer_removed.png" "$MOV_WAIT" plain ||
  fail "the wallpaper is still shown after removal: $(for p in '1000 740' '512 384' '895 595'; do printf '%s=%s ' "${p/ /,}" "$(px "$SHOTS/writer_removed.png" $p)"; done)"

quit_movani 57665
echo "desktop_writer: ok"
