#!/usr/bin/env bash
# Movani32 keeps a copy of the desktop's placement values. Started after someone else changed
# them, it asks in a Japanese question box whether to put the previous value back; Yes does
# so in the desktop and in the copy, and the next start asks nothing.
source "$(dirname "$0")/lib.sh"
desk='HKCU\Control Panel\Desktop'
copy='HKCU\Software\Farnwick\MovAni32\Desktop'
box() { "$WINELOADER" "$MOV_BIN/probebox.exe" "$@"; }

wb_wine reg add "$desk" /v TileWallpaper /t REG_SZ /d 0 /f >/dev/null 2>&1 || fail "reg add desktop"
box sync || fail "probebox sync"
wb_wine reg add "$copy" /v TileWallpaper /t REG_SZ /d 1 /f >/dev/null 2>&1 || fail "reg add copy"

MOVANI_ASK=1 start_movani
text=$(box show 30 | iconv -f CP932 -t UTF-8) || fail "no question box captioned Movani32"
printf '%s\n' "$text"
case "$text" in
  *"システムのデスクトップ壁紙表示方法が、以前と異なっています。"*) ;;
  *) fail "the box does not ask about the tile setting" ;;
esac
printf '%s' "$text" | grep -q $'以前の値：並べて表示$' || fail "previous value is not shown as tiled"
printf '%s' "$text" | grep -q $'現在の値：中央に表示$' || fail "current value is not shown as centred"
printf '%s' "$text" | grep -q '以前の値の戻しますか?' || fail "the question line is missing"
wb_screenshot "$SHOTS/desktop_check_question.png"

box answer yes 10 || fail "could not answer Yes"
if box show 3 >/dev/null; then fail "a second question came although only the tile setting differed"; fi
[ "$(wb_reg_query "$desk" TileWallpaper)" = 1 ] || fail "Yes did not put TileWallpaper 1 back on the desktop"
[ "$(wb_reg_query "$copy" TileWallpaper)" = 1 ] || fail "the copy does not hold TileWallpaper 1"
quit_movani 57665

# The copy now matches the desktop: no question at the next start.
MOVANI_ASK=1 start_movani
if box show 3 >/dev/null; then fail "a question came although nothing changed"; fi
quit_movani 57665
echo "desktop_check: ok"
