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
px() { wb_pixel "$1" "$2" "$3"; }
# holds X,Y=COLOUR|X,Y!=COLOUR... FILE: each pixel of the screenshot is (not) that colour.
holds() {
  local f=${!#} c at want
  for c in "${@:1:$#-1}"; do
    at=${c%%=*} want=${c#*=}
    [ "${at%!}" = "$at" ] || { at=${at%!} want=not:$want; }
    wb_pixel_is "$f" "${at%,*}" "${at#*,}" "$want" || return 1
  done
}
# expect_shot NAME WHAT PIXEL...: screenshots until every pixel holds at once. The desktop
# paints a picture tile by tile, and a shot may catch it halfway.
expect_shot() {
  local name=$1 what=$2 c got=""; shift 2
  wb_wait_shot "$SHOTS/$name.png" "$MOV_WAIT" holds "$@" && return 0
  for c in "$@"; do c=${c%%[=!]*}; got+="$c=$(px "$SHOTS/$name.png" "${c%,*}" "${c#*,}") "; done
  fail "$what: wanted $*, the screen shows $got"
}

"$WINELOADER" "$MOV_BIN/applywall.exe" "$pic" centre || fail "applywall centre"
# Centred, the picture spans x 362..661 and y 284..483: its centre and corner mark, nothing
# past its right and bottom edges, nothing in the far corner.
expect_shot writer_centre "the centred picture" 512,384=D02818 655,478=1830D0 668,384!=D02818 512,490!=D02818 1000,740!=D02818

"$WINELOADER" "$MOV_BIN/applywall.exe" "$pic" tile || fail "applywall tile"
# Tiles start at 0,0: marks at x 290..299 + 300k, y 190..199 + 200j, and they reach the far corner.
expect_shot writer_tile "the tiles" 895,595=1830D0 595,395=1830D0 1000,740=D02818 655,478=D02818

# The removal must hold even when the desktop cannot paint while the writer runs.
"$WINELOADER" "$MOV_BIN/applywall.exe" --busy-desktop remove || fail "applywall remove"
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
