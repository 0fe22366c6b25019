#!/usr/bin/env bash
# The wallpaper changes: the stored position shows at start-up; Next and Prev walk the list
# across a folder of bitmaps and a JPEG, a folder holding a shortcut and an LHA archive, and
# back round; the caption names each picture, the positions follow, nothing unpacked stays
# in TEMP; with Interval 0 the picture changes by itself.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/wallpaper_change"
rm -rf "$work"; mkdir -p "$work/sea" "$work/links" "$work/targets" "$work/arc"
pic() { /usr/bin/convert -size 1024x768 xc:"#$1" "${@:2}"; }
pic c02020 BMP3:"$work/sea/s1.bmp"
pic 20c020 BMP3:"$work/sea/s2.bmp"
pic 2020c0 -quality 95 "$work/sea/s3.jpg"
pic c0c020 BMP3:"$work/targets/t.bmp"
pic c020c0 BMP3:"$work/arc/m1.bmp"
pic 20c0c0 -quality 95 "$work/arc/m2.jpg"
( cd "$work/arc" && lha a ../pics.lzh m1.bmp m2.jpg >/dev/null )
"$WINELOADER" "$MOV_BIN/movwin.exe" shortcut "$(winpath "$work/links/t.lnk")" "$(winpath "$work/targets/t.bmp")" \
  || fail "could not make the shortcut"

key='HKCU\Software\Farnwick\MovAni32'
trap 'cleanup_movani; forget_groups; wb_wine reg delete "$key\\Mode" /v Interval /f >/dev/null 2>&1 || true' EXIT
store_groups 0 1 "$work/sea" "$work/links" "$work/pics.lzh"
wb_wine reg add "$key\\Mode" /v Interval /t REG_DWORD /d 60 /f >/dev/null

temp_win=$(wb_wine cmd /c echo %TEMP% | tr -d '\r')
temp=$("$WINELOADER" winepath -u "$temp_win" 2>/dev/null | tr -d '\r')
[ -d "$temp" ] || fail "TEMP $temp_win is no folder"
rm -f "$temp"/m1.bmp "$temp"/m2.jpg

win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r'; }
shows() { near "$(wb_pixel "$2" 700 300)" "$1" 8; }
titled() { case "$(win title)" in "$1 - "*) return 0 ;; *) return 1 ;; esac; }
# expect_picture TITLE COLOUR WHAT: the caption names it, then the desktop shows it.
expect_picture() {
  wb_wait_until "${WAIT:-$MOV_WAIT}" titled "$1" || fail "$3: caption '$(win title)', wanted '$1 - ...'"
  wb_wait_shot "$SHOTS/change_$4.png" "$MOV_WAIT" shows "$2" \
    || fail "$3: desktop shows $(wb_pixel "$SHOTS/change_$4.png" 700 300), wanted $2"
}
send() { "$WINELOADER" "$MOV_BIN/movsend.exe" "$1" || fail "movsend $1"; }
colour_of() { case "$1" in s1.bmp) echo C02020 ;; s2.bmp) echo 20C020 ;; s3.jpg) echo 2020C0 ;; esac; }

start_movani
mapfile -t sea < <(win items 57347)
[ "${#sea[@]}" -eq 3 ] || fail "sea lists ${sea[*]}"
sea_win=$(winpath "$work/sea")
expect_picture "$sea_win\\${sea[1]}" "$(colour_of "${sea[1]}")" "start-up at the stored position" start

send 32774
expect_picture "$sea_win\\${sea[2]}" "$(colour_of "${sea[2]}")" "Next in the folder" next1
send 32774
expect_picture "$(winpath "$work/targets/t.bmp")" C0C020 "Next into the shortcut folder" link
[ "$(wb_reg_query "$group" DirPos)" = 0x1 ] || fail "DirPos after the shortcut: $(wb_reg_query "$group" DirPos)"
send 32774
expect_picture "$temp_win\\m1.bmp" C020C0 "Next into the archive" m1
wb_wait_reg "$group" DirPos 0x2 || fail "DirPos in the archive: $(wb_reg_query "$group" DirPos)"
[ "$(wb_reg_query "$group" BmpPos)" = 0x0 ] || fail "BmpPos at m1: $(wb_reg_query "$group" BmpPos)"
send 32774
expect_picture "$temp_win\\m2.jpg" 20C0C0 "the archive's JPEG" m2
[ "$(wb_reg_query "$group" BmpPos)" = 0x1 ] || fail "BmpPos at m2: $(wb_reg_query "$group" BmpPos)"
send 32774
expect_picture "$sea_win\\${sea[0]}" "$(colour_of "${sea[0]}")" "Next wraps to the first group" wrap
send 32775
expect_picture "$temp_win\\m2.jpg" 20C0C0 "Prev from the first group to the last" prevwrap
send 32775
expect_picture "$temp_win\\m1.bmp" C020C0 "Prev within the archive" prev
[ ! -e "$temp/m1.bmp" ] && [ ! -e "$temp/m2.jpg" ] || fail "unpacked members left in TEMP: $(ls "$temp")"
quit_movani 57665
[ "$(wb_reg_query "$group" DirPos)" = 0x2 ] || fail "DirPos at exit: $(wb_reg_query "$group" DirPos)"

# Interval 0: a change every 18 seconds without being asked.
wb_wine reg add "$key\\Mode" /v Interval /t REG_DWORD /d 0 /f >/dev/null
start_movani
expect_picture "$temp_win\\m1.bmp" C020C0 "start-up in the archive" restart
WAIT=60 expect_picture "$temp_win\\m2.jpg" 20C0C0 "the change by itself" auto
quit_movani 57665
echo "wallpaper_change: ok"
