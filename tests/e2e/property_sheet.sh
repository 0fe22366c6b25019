#!/usr/bin/env bash
# The property sheet opened by command 32771 and driven through its windows: refused
# numbers with their texts, Apply then Cancel keeping what was applied, "ﾗﾝﾀﾞﾑ2" making the
# file list unsorted, the tray icon going with IconOn, the desktop's tile origin coming back
# with TiledatRight off. Screenshots of the three pages go to e2e-shots/.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/property_sheet"
rm -rf "$work"; mkdir -p "$work/pics"
for n in d a e c b; do /usr/bin/convert -size 32x24 xc:'#3060c0' BMP3:"$work/pics/$n.bmp"; done
root='HKCU\Software\Farnwick\MovAni32'
mode="$root\\Mode"; special="$root\\Special"; group="$root\\Group"
desk='HKCU\Control Panel\desktop'
restore() {
  for k in Mode Special Additional Group; do wb_wine reg delete "$root\\$k" /f >/dev/null 2>&1 || true; done
}
trap 'cleanup_movani; restore' EXIT
reg_set() { wb_wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || fail "reg add $2"; }
drive() { "$WINELOADER" "$MOV_BIN/sheetdrive.exe" "$@" | tr -d '\r' | iconv -f CP932 -t UTF-8; }
win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r' | iconv -f CP932 -t UTF-8; }
expect() {  # what, got, wanted
  [ "$2" = "$3" ] || fail "$1: got '$2', wanted '$3'"
}
# The command returns once the sheet has closed and its after-close work is over.
open_sheet() {
  "$WINELOADER" "$MOV_BIN/movsend.exe" 32771 &
  SEND_PID=$!
  drive wait 30 || fail "no property sheet after command 32771"
}
sheet_done() {
  wb_wait_gone "$SEND_PID" 60 || fail "command 32771 did not return"
  drive gone 5 || fail "the sheet is still open"
}
apply_off() { [ "$(drive enabled 12321)" = 0 ]; }
shot_page() {  # index name
  drive page "$1" text 12321 >/dev/null || fail "page $1"
  local r; r=$(drive rect) || fail "sheet rect"
  set -- "$2" $r
  wb_screenshot "$SHOTS/property_$1_full.png"
  /usr/bin/convert "$SHOTS/property_$1_full.png" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage "$SHOTS/property_$1.png"
  rm -f "$SHOTS/property_$1_full.png"
}
refused() {  # value, text
  drive set 1003 "$1" apply >/dev/null
  expect "refusal of '$1'" "$(drive box 20)" "$2"
  drive boxok || fail "could not close the refusal box"
}

restore
reg_set "$group" 00 REG_SZ "$(winpath "$work/pics")"
for v in "Count 0" "DirPos 0" "BmpPos 0" "RandSeed 7"; do reg_set "$group" "${v% *}" REG_DWORD "${v#* }"; done
reg_set "$special" BMPSort REG_DWORD 1
reg_set "$special" TiledatRight REG_SZ Yes
reg_set "$mode" Interval REG_DWORD 10
reg_set "$desk" WallpaperOriginX REG_SZ 0
start_movani
sorted=$'a.bmp\nb.bmp\nc.bmp\nd.bmp\ne.bmp'
files_sorted() { [ "$(win items 57347)" = "$sorted" ]; }
wb_wait_until "$MOV_WAIT" files_sorted || fail "file list at start: $(win items 57347)"
wb_wait_until "$MOV_WAIT" win intray || fail "no tray icon at start"

# Page 1: "ﾗﾝﾀﾞﾑ2" alone leaves Apply off; out-of-range and non-numeric intervals are refused.
open_sheet
shot_page 0 page1
expect "Apply at opening" "$(drive enabled 12321)" 0
expect "Change shown" "$(drive checked 1000)" 1
drive click 1017 >/dev/null
expect "Apply after ﾗﾝﾀﾞﾑ2 alone" "$(drive enabled 12321)" 0
refused 61 "0 から 60 までの整数を入力してください。"
refused abc "整数を入力してください。"
# 0 is a valid interval; then 3 is applied, and Apply alone changes nothing in the program.
drive set 1003 0 apply >/dev/null
wb_wait_until "$MOV_WAIT" apply_off || fail "Apply stayed enabled after Apply with 0"
drive set 1003 3 >/dev/null
expect "Apply after an edit" "$(drive enabled 12321)" 1
drive apply >/dev/null
wb_wait_until "$MOV_WAIT" apply_off || fail "Apply stayed enabled after Apply"
expect "Interval after Apply alone" "$(wb_reg_query "$mode" Interval)" 0xa
# Later edits of the applied values are dropped by Cancel.
drive set 1003 7 click 1000 >/dev/null
shot_page 1 page2
shot_page 2 page3
drive cancel >/dev/null
sheet_done
expect "Interval after Apply, Cancel" "$(wb_reg_query "$mode" Interval)" 0x3
expect "Change after Apply, Cancel" "$(wb_reg_query "$mode" Change)" Rand2
expect "file list style in Rand2" "$(drive viewstyle 57347)" 50A01001
expect "file list entries in Rand2" "$(win items 57347 | sort)" "$sorted"

# Page 2: tray buttons off removes the icon, right-aligned tiles off brings the origin back.
reg_set "$desk" WallpaperOriginX REG_SZ 123
open_sheet
drive page 1 >/dev/null || fail "page 2"
expect "TiledatRight shown" "$(drive checked 1013)" 1
expect "IconOn shown" "$(drive checked 1016)" 1
drive click 1013 click 1016 ok >/dev/null
sheet_done
expect "WallpaperOriginX after TiledatRight off" "$(wb_reg_query "$desk" WallpaperOriginX)" 0
expect "TiledatRight stored" "$(wb_reg_query "$special" TiledatRight)" No
expect "IconOn stored" "$(wb_reg_query "$mode" IconOn)" No
win intray && fail "the tray icon is still there with IconOn off"
quit_movani 57665
echo "property_sheet: ok"
