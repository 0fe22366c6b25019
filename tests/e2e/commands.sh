#!/usr/bin/env bash
# The commands as a user meets them on the desktop: the wallpaper removed and shown again,
# the window hidden and shown, real mouse clicks on the tray icon, a group deleted through
# its confirmation box, the document renewed, and the exit command.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/commands"
rm -rf "$work"; mkdir -p "$work/one" "$work/two"
pic() { /usr/bin/convert -size 1024x768 xc:"#$1" BMP3:"$2"; }
pic c02020 "$work/one/s1.bmp"
pic 20c020 "$work/one/s2.bmp"
pic 2020c0 "$work/two/t1.bmp"

key='HKCU\Software\Farnwick\MovAni32'
trap 'cleanup_movani; forget_groups' EXIT
store_groups 0 0 "$work/one" "$work/two"
wb_wine reg add "$key\\Mode" /v Interval /t REG_DWORD /d 60 /f >/dev/null

win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r'; }
send() { "$WINELOADER" "$MOV_BIN/movsend.exe" "$@" || fail "movsend $*"; }
shows() { near "$(wb_pixel "$2" 700 300)" "$1" 8; }
hides() { ! shows "$@"; }
expect() {  # CHECK COLOUR WHAT
  wb_wait_shot "$SHOTS/commands_$3.png" "$MOV_WAIT" "$1" "$2" \
    || fail "$3: desktop at 700,300 is $(wb_pixel "$SHOTS/commands_$3.png" 700 300) ($1 $2 wanted)"
}
groups() { win items 57346 | wc -l; }

start_movani
expect shows C02020 start
send 32772
expect hides C02020 removed
send 32779
expect shows C02020 redisplay
send 32772
expect hides C02020 removed2
send 32785 32787
expect shows C02020 redisplay2
send 32782  # the removal stopped the countdown; the tray shows the running icon again

send 32784
wb_wait_until "$MOV_WAIT" test "$(win state)" = hidden || fail "32784: window $(win state)"
send 32784
wb_wait_until "$MOV_WAIT" test "$(win state)" != hidden || fail "32784 again: window hidden"

# The tray icon's place, found on the screen; then real clicks on it (WrightButton "Next").
/usr/bin/convert "$MOV_SOURCE_DIR/ui/res/tray_next.ico[1]" -background white -flatten "$work/icon.png"
find_icon() {
  /usr/bin/convert "$1" -crop 96x24+928+744 +repage "$1.tray.png"
  local out; out=$(/usr/bin/compare -metric AE -fuzz 8% -subimage-search "$1.tray.png" "$work/icon.png" null: 2>&1) || true
  [ "${out%% *}" -le 4 ] 2>/dev/null || return 1
  out=${out##*@ }; icon_x=$((928 + ${out%,*} + 8)); icon_y=$((744 + ${out#*,} + 8))
}
wb_wait_shot "$SHOTS/commands_tray.png" "$MOV_WAIT" find_icon || fail "tray icon not found"
win click "$icon_x" "$icon_y" right || fail "right click"
expect shows 20C020 tray_right
win click "$icon_x" "$icon_y" middle || fail "middle click"
"$WINELOADER" "$MOV_BIN/sheetdrive.exe" wait 20 cancel gone 20 || fail "middle click: no property sheet"

# Deleting the current group asks first; Cancel keeps it, OK shows the next group.
caption=ディレクトリの削除
( "$WINELOADER" "$MOV_BIN/movsend.exe" 32776 ) & asker=$!
text=$("$WINELOADER" "$MOV_BIN/probebox.exe" show 20 "$caption" | iconv -f CP932 -t UTF-8) || fail "no delete question"
[ "$text" = "ディレクトリ$(winpath "$work/one")を削除します。

よろしいですか？" ] || fail "delete question: $text"
"$WINELOADER" "$MOV_BIN/probebox.exe" answer cancel 20 "$caption" || fail "cancel the delete"
wait "$asker"
[ "$(groups)" = 2 ] || fail "Cancel deleted a group"
( "$WINELOADER" "$MOV_BIN/movsend.exe" 32776 ) & asker=$!
"$WINELOADER" "$MOV_BIN/probebox.exe" answer ok 20 "$caption" || fail "confirm the delete"
wait "$asker"
[ "$(groups)" = 1 ] || fail "OK left $(groups) groups"
expect shows 2020C0 deleted

# A renewed document loads its groups again, once.
send 57600
wb_wait_until "$MOV_WAIT" test "$(win items 57347)" = t1.bmp || fail "after renewal the files are '$(win items 57347)'"
[ "$(win items 57346)" = "$(winpath "$work/two")" ] || fail "after renewal the groups are $(win items 57346)"
quit_movani 32786
echo "commands: ok"
