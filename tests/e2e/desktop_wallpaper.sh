#!/usr/bin/env bash
# The bench sees wallpapers: a bitmap set with SystemParametersInfoA shows in the screen's
# centre, and tiled it reaches the far corner; the plain desktop does not have its colour.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work"
mkdir -p "$work"
/usr/bin/convert -size 200x150 xc:'#c03020' BMP3:"$work/red.bmp"
/usr/bin/convert -size 64x48 xc:'#20a040' BMP3:"$work/green.bmp"

# A program window keeps the virtual desktop open; it is parked in the top-left corner.
start_movani

"$WINELOADER" "$MOV_BIN/setwall.exe" "$(winpath "$work/red.bmp")" || fail "setwall (centre) failed"
wb_wait_pixel 512 384 C03020 "$MOV_WAIT" "$SHOTS/wallpaper_centre.png" || fail "centre is not the picture's colour"
[ "$(wb_pixel "$SHOTS/wallpaper_centre.png" 1000 740)" != C03020 ] || fail "the corner shows the centred picture"

"$WINELOADER" "$MOV_BIN/setwall.exe" "$(winpath "$work/green.bmp")" tile || fail "setwall (tile) failed"
wb_wait_pixel 1000 740 20A040 "$MOV_WAIT" "$SHOTS/wallpaper_tile.png" || fail "tiled picture does not reach the corner"
[ "$(wb_pixel "$SHOTS/wallpaper_tile.png" 512 384)" = 20A040 ] || fail "tiled picture not in the centre"

quit_movani 57665
echo "desktop_wallpaper: ok"
