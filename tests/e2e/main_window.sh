#!/usr/bin/env bash
# The program starts as users know it: one copy, minimised (hidden with "-S"), the stored
# groups and the current group's pictures in its lists, its controls where they belong, its
# commands in the system menu; it keeps its tray icon across a shell restart and does its
# closing work when the session ends.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/main_window"
rm -rf "$work"; mkdir -p "$work/sea" "$work/hills"
for n in a c b; do /usr/bin/convert -size 64x48 xc:'#3060c0' BMP3:"$work/sea/$n.bmp"; done
for n in x y; do /usr/bin/convert -size 64x48 xc:'#60c030' BMP3:"$work/hills/$n.BMP"; done
trap 'cleanup_movani; forget_groups' EXIT
win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r' | iconv -f CP932 -t UTF-8; }
expect() {  # what, got, wanted
  [ "$2" = "$3" ] || fail "$1: got
$2
wanted
$3"
}
state_is() { [ "$(win state)" = "$1" ]; }
# expect_soon WHAT WANTED MOVWIN-ARGS...: the running program's first tick rescans and shows
# the stored picture, so its lists are read again until they settle.
expect_soon() {
  local what=$1 want=$2; shift 2
  _settled() { [ "$(win "$@")" = "$want" ]; }
  wb_wait_until "$MOV_WAIT" _settled "$@" || expect "$what" "$(win "$@")" "$want"
}

store_groups 1 1 "$work/sea" "$work/hills"
start_movani
wb_wait_until "$MOV_WAIT" state_is minimized || fail "started $(win state), not minimized"
expect_soon "group list" "$(winpath "$work/sea")
$(winpath "$work/hills")" items 57346
expect_soon "file list of group 1" "x.BMP
y.BMP" items 57347
expect_soon "current group" 1 selection 57346
expect_soon "current file" 1 selection 57347
# A second copy restores the first one and ends.
( cd "$MOV_BIN" && exec "$WINELOADER" Movani32.exe ) &
second=$!
wb_wait_gone "$second" 60 || fail "the second copy did not end"
wb_wait_until "$MOV_WAIT" state_is normal || fail "the second start left the first $(win state)"
# List boxes keep to whole lines: their bottom may stand up to one line above the asked one.
lines_fit() {
  awk 'BEGIN { want[57346] = 150; want[57348] = 545; want[57349] = 545; want[57347] = 325 }
       $2 == "ListBox" { d = want[$1] - $6; if (d >= 0 && d < 24) $6 = want[$1] "~" }
       # The countdown reads "0" until the timer first writes its "%4d sec.".
       $1 == 65535 { t = $0; for (i = 0; i < 6; i++) sub(/^[^ ]+ /, "", t); if (t == "0" || t ~ /^ *[0-9]+ sec\.$/) { $0 = $1 " " $2 " " $3 " " $4 " " $5 " " $6 " seconds" } }
       { print }'
}
expect "controls" "$(win controls | lines_fit)" "57346 ListBox 20 25 320 150~
57348 ListBox 20 400 320 545~
57349 ListBox 20 400 320 545~
57347 ListBox 20 180 320 325~
65535 Static 370 40 460 60 seconds
32772 Button 350 80 470 120 NoPaper
32773 Button 350 120 470 160 Stop
32775 Button 350 160 470 200 Prev.
32774 Button 350 200 470 240 Next
32777 Button 350 240 470 280 Center/Tile
32776 Button 350 285 470 325 Del Folder"
wb_screenshot "$SHOTS/main_window.png"

# The shell restarted: the icon it forgot comes back.
win intray || fail "no tray icon at start"
win traydel || fail "could not take the tray icon away"
win intray && fail "the tray icon is still there"
win taskbar
wb_wait_until "$MOV_WAIT" win intray || fail "the tray icon did not come back after TaskbarCreated"

# Log-off: the closing work runs (positions and groups written) and the program ends.
wb_wine reg delete "$group" /f >/dev/null
expect "end of session" "$(win endsession)" agreed
wb_wait_gone "$MOVANI_PID" 60 || fail "still running after the session ended"
expect "Count after log-off" "$(wb_reg_query "$group" Count)" 0x1
expect "DirPos after log-off" "$(wb_reg_query "$group" DirPos)" 0x1
expect "BmpPos after log-off" "$(wb_reg_query "$group" BmpPos)" 0x1
expect "RandSeed after log-off" "$(wb_reg_query "$group" RandSeed)" 0x7
expect "group 01 after log-off" "$(wb_reg_query "$group" 01)" "$(winpath "$work/hills")"

# "-S" starts hidden, and a second start does not show it; "/S" starts minimised.
start_movani -S
wb_wait_until "$MOV_WAIT" state_is hidden || fail "-S started $(win state)"
# The window is hidden from its creation on: the second copy comes once start-up is over.
wb_wait_until "$MOV_WAIT" win intray || fail "-S: no tray icon"
"$WINELOADER" "$MOV_BIN/movsend.exe" ping || fail "-S: the program does not answer"
( cd "$MOV_BIN" && exec "$WINELOADER" Movani32.exe ) &
second=$!
wb_wait_gone "$second" 60 || fail "the second copy did not end"
expect "hidden after a second start" "$(win state)" hidden
quit_movani 57665
start_movani /S
wb_wait_until "$MOV_WAIT" state_is minimized || fail "/S started $(win state)"
quit_movani 57665

# A quit command that arrives while a start-up question is open is not taken.
wb_wine reg add 'HKCU\Software\Farnwick\MovAni32\Desktop' /v TileWallpaper /t REG_SZ /d 7 /f >/dev/null
MOVANI_ASK=1 start_movani
"$WINELOADER" "$MOV_BIN/probebox.exe" show 30 >/dev/null || fail "no start-up question"
"$WINELOADER" "$MOV_BIN/movsend.exe" 57665 || fail "movsend 57665"
"$WINELOADER" "$MOV_BIN/probebox.exe" answer no 10 || fail "could not answer the question"
wb_wait_until "$MOV_WAIT" state_is minimized || fail "after the question the program is $(win state)"
win intray || fail "no tray icon after a quit during start-up"
quit_movani 57665
echo "main_window: ok"
