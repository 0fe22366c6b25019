#!/usr/bin/env bash
# Pictures prepared by the shipped components reach the desktop: a JPEG converted by
# jpegfilt.dll and by Jpeg2bmp.exe, and a bitmap smart-fitted by QuilletDll.dll. Without the
# filter library the conversion only says so on standard output.
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

# Without jpegfilt.dll beside it, the conversion falls back to a note on standard output.
cp "$MOV_BIN/applywall.exe" "$work/bare/"
out=$("$WINELOADER" "$work/bare/applywall.exe" --temp "$temp" --jpeg "$(winpath "$work/green.jpg")" centre 2>/dev/null | tr -d '\r')
[ "$out" = "message via alternative method" ] || fail "no fallback note: '$out'"

quit_movani 57665
echo "prepared_wallpaper: ok"
