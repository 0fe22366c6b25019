#!/usr/bin/env bash
# Pictures prepared by the shipped components reach the desktop: a JPEG converted by
# jpegfilt.dll and by Jpeg2bmp.exe, and a bitmap smart-fitted by QuilletDll.dll. Without the
# filter library the conversion only says so on standard output. A centred JPEG larger than
# the screen becomes a bitmap of the part the screen shows, and the desktop shows the
# whole picture's pixels there; a library without the region export converts it whole.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work"
mkdir -p "$work/temp" "$work/bare"
/usr/bin/convert -size 640x480 xc:'#18b040' -quality 95 "$work/green.jpg"
/usr/bin/convert -size 400x200 xc:'#e0a020' BMP3:"$work/wide.bmp"
temp=$(winpath "$work/temp")
start_movani
px() { wb_pixel "$1" "$2" "$3"; }

green() { near "$(px "$1" 800 600)" 18B040; }
not_green() { ! green "$1"; }
for os in 3 1; do
  # Each conversion must put the picture up itself: start from the plain desktop.
  "$WINELOADER" "$MOV_BIN/applywall.exe" remove || fail "applywall remove"
  wb_wait_shot "$SHOTS/prepared_plain.png" "$MOV_WAIT" not_green || fail "the desktop did not go plain"
  rm -f "$work/temp/applywall.BMP"
  "$WINELOADER" "$MOV_BIN/applywall.exe" --temp "$temp" --os $os --jpeg "$(winpath "$work/green.jpg")" centre \
    || fail "applywall --jpeg (OsKind $os)"
  [ -f "$work/temp/applywall.BMP" ] || fail "no work bitmap after converting (OsKind $os)"
  wb_wait_shot "$SHOTS/prepared_jpeg_os$os.png" "$MOV_WAIT" green || fail "the converted JPEG is not on the desktop (OsKind $os)"
  [ "$(px "$SHOTS/prepared_jpeg_os$os.png" 1000 740)" != "$(px "$SHOTS/prepared_jpeg_os$os.png" 800 600)" ] \
    || fail "the 640x480 picture should not reach the corner (OsKind $os)"
done

# Smart fit: a 400x200 picture becomes 1024x512, centred on a 1024x768 desktop.
"$WINELOADER" "$MOV_BIN/applywall.exe" --temp "$temp" --adjust 3 "$(winpath "$work/wide.bmp")" centre || fail "applywall --adjust 3"
# All three pixels in one screenshot: a shot may catch the desktop half drawn.
fitted() { [ "$(px "$1" 1015 200)" = E0A020 ] && [ "$(px "$1" 1015 635)" = E0A020 ] && [ "$(px "$1" 1015 650)" != E0A020 ]; }
wb_wait_shot "$SHOTS/prepared_smartfit.png" "$MOV_WAIT" fitted \
  || fail "the smart fit is not 1024x512: 1015,200/635/650 are $(px "$SHOTS/prepared_smartfit.png" 1015 200)/$(px "$SHOTS/prepared_smartfit.png" 1015 635)/$(px "$SHOTS/prepared_smartfit.png" 1015 650)"

# Larger than the 1024x768 screen by odd and even differences, upright and turned by EXIF:
# Jpeg2bmp.exe converts the whole picture, jpegfilt.dll only the screen's part of it, which
# the desktop must show as it shows the whole picture centred (half the difference, toward zero).
/usr/bin/convert -seed 4 -size 1101x901 plasma:fractal -blur 0x1 "$work/big.ppm"
shows_part() {  # the screen's part, the bottom rows left out (the minimised window)
  /usr/bin/convert "$1" -crop 1024x700+0+0 +repage "$1.top.png" &&
    [ "$(/usr/bin/compare -metric AE "$1.top.png" "$work/part.png" null: 2>&1 || true)" = 0 ]
}
for pic in 1101x900:0:1 1100x901:0:1 1101x900:270:6 1100x901:90:8; do  # size, turn stored, EXIF tag
  IFS=: read -r crop turn tag <<<"$pic"
  /usr/bin/convert "$work/big.ppm" -crop "$crop+0+0" -rotate "$turn" -quality 92 "$work/stored.jpg"
  exif_turn "$work/stored.jpg" "$work/big.jpg" "$tag"
  apply() { "$WINELOADER" "$MOV_BIN/applywall.exe" --temp "$temp" "$@" --jpeg "$(winpath "$work/big.jpg")" centre; }
  apply --os 1 || fail "applywall --os 1 $pic"
  read -r w h < <(/usr/bin/identify -format '%w %h\n' "$work/temp/applywall.BMP")
  [ "$w" -ge 1100 ] && [ "$h" -ge 900 ] || fail "Jpeg2bmp.exe did not write the whole $pic: ${w}x$h"
  /usr/bin/convert "$work/temp/applywall.BMP" -crop "1024x700+$(((w - 1024) / 2))+$(((h - 768) / 2))" +repage "$work/part.png"
  apply || fail "applywall --jpeg $pic"
  size=$(stat -c %s "$work/temp/applywall.BMP")
  [ "$size" -le $((1024 * 768 * 3 + 54)) ] || fail "the work bitmap of $pic is larger than the screen: $size bytes"
  wb_wait_shot "$SHOTS/prepared_big.png" "$MOV_WAIT" shows_part || fail "the desktop does not show the centred part of" \
    "$pic: $(/usr/bin/compare -metric AE "$SHOTS/prepared_big.png.top.png" "$work/part.png" null: 2>&1) pixels differ"
done

# Another maker's jpegfilt.dll, without JpegToBmpRegion (ours for Windows 9x stands in for
# it), converts the whole picture.
mkdir -p "$work/other" && cp "$MOV_BIN/applywall.exe" "$work/other/" && cp "$MOV_BIN/jpegfilt95.dll" "$work/other/jpegfilt.dll"
"$WINELOADER" "$work/other/applywall.exe" --temp "$temp" --jpeg "$(winpath "$work/big.jpg")" centre || fail "applywall, other library"
shape=$(/usr/bin/identify -format '%wx%h' "$work/temp/applywall.BMP")
[ "$shape" = 1100x901 ] || fail "another maker's library did not convert the whole picture: $shape"

# Without jpegfilt.dll beside it, the conversion falls back to a note on standard output.
cp "$MOV_BIN/applywall.exe" "$work/bare/"
out=$("$WINELOADER" "$work/bare/applywall.exe" --temp "$temp" --jpeg "$(winpath "$work/green.jpg")" centre 2>/dev/null | tr -d '\r')
[ "$out" = "message via alternative method" ] || fail "no fallback note: '$out'"

quit_movani 57665
echo "prepared_wallpaper: ok"
