#!/usr/bin/env bash
# The remote control: its window as drawn (place, size, buttons, hints, popup menu, About
# window), translucent only where the system has layered windows, ON starting Movani32 from
# the remote control's folder (and nothing when it runs or cannot be found), SHOW/HIDE/
# MINIMIZE acting on Movani32's window and each command button's effect on it.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/remote_control"
rm -rf "$work"; mkdir -p "$work/elsewhere" "$work/alone" "$work/broken"
cp "$MOV_BIN/MovRC2.exe" "$work/alone/"
cp "$MOV_BIN/MovRC2.exe" "$work/broken/"
printf 'not a program\r\n' > "$work/broken/Movani32.exe"
box_caption="Movリモコン"

rc() { "$WINELOADER" "$MOV_BIN/rcwin.exe" "$@" | tr -d '\r' | iconv -f CP932 -t UTF-8; }
win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r'; }
expect() {  # what, got, wanted
  [ "$2" = "$3" ] || fail "$1: got
$2
wanted
$3"
}
remote_window() { "$WINELOADER" "$MOV_BIN/rcwin.exe" window >/dev/null 2>&1; }
state_is() { [ "$(win state)" = "$1" ]; }
# Movani32 processes of this bench (other benches may run their own on the machine).
movani_count() {
  local p n=0
  for p in $(pgrep -f 'Movani32\.exe'); do
    tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && n=$((n + 1))
  done
  echo $n
}

# start_remote EXE CWD: the remote control started from CWD, its window up.
start_remote() {
  ( cd "$2" && exec "$WINELOADER" "$1" ) &
  RC_PID=$!
  wb_wait_until 60 remote_window || fail "the remote control window did not appear ($1)"
}
# The close button ends the remote control with exit code 0.
close_remote() {
  rc click "終了" || fail "no close button"
  wb_wait_gone "$RC_PID" 30 || fail "the remote control did not end after its close button"
  [ "$MOV_EXIT" -eq 0 ] || fail "the remote control's exit code was $MOV_EXIT"
}

cleanup() {
  if [ -n "${RC_PID:-}" ] && kill -0 "$RC_PID" 2>/dev/null; then kill "$RC_PID"; fi
  movani_window && "$WINELOADER" "$MOV_BIN/movsend.exe" 57665 >/dev/null 2>&1
  wb_winver "" MovRC2.exe
  forget_groups
}
trap cleanup EXIT

# An older system: no layered windows, the window stays opaque.
wb_winver win98 MovRC2.exe
start_remote "$MOV_BIN/MovRC2.exe" "$work/elsewhere"
expect "window on win98" "$(rc window)" "position 207 120
client 127 207
border single
boxes system minimize
topmost no
caption MovRc2
opaque"
close_remote

wb_winver winxp MovRC2.exe
start_remote "$MOV_BIN/MovRC2.exe" "$work/elsewhere"
expect "window on winxp" "$(rc window | tail -1)" "layered alpha 192"
# The buttons in tab order and their hints, as the remote control's own table gives them.
rc check buttons || fail "buttons differ from the table"
rc check hints || fail "hints differ from the table"
# A hint shows when the mouse rests on its button.
rc hover "Center/Tiled" >/dev/null || fail "no tooltip over Center/Tiled"
wb_screenshot "$SHOTS/remote_control.png"

# The same popup menu from a button and from the background, opening where clicked.
expect "popup from a button" "$(rc rclick GO)" "0 0"
rc menu esc || fail "the popup menu did not close on Escape"
expect "popup from the background" "$(rc rclick 110,190)" "0 0"
rc menu a || fail "the popup menu's About entry did not close the menu"
wb_wait_until "$MOV_WAIT" eval '[ "$(rc about | head -1)" = shown ]' || fail "the About window did not show"
about=$(rc about)
expect "About window" "$(printf '%s\n' "$about" | sed -n 2,5p)" "caption バージョン情報
client 281 154
centred yes
remote disabled"
printf '%s\n' "$about" | grep -q "^104 40 .* Version 1.2.1.2$" || fail "no version label at 104,40 in
$about"
printf '%s\n' "$about" | grep -qx "224 44 274 65 OK" || fail "no OK button at 224,44 (50 x 21) in
$about"
# Every text within the window; the last one within its group box (16,80 to 265,137).
printf '%s\n' "$about" | awk 'NR > 5 && ($3 > 281 || $4 > 154) { bad = 1 }
  END { if (!(NR > 5 && $1 >= 16 && $2 >= 80 && $3 <= 265 && $4 <= 137) || bad) exit 1 }' \
  || fail "About texts cut off:
$about"
wb_screenshot "$SHOTS/remote_about.png"
rc aboutok || fail "OK did not close the About window"
expect "remote after About" "$(rc about | sed -n 5p)" "remote enabled"
rc rclick 110,190 >/dev/null || fail "no popup menu for closing"
rc menu c || fail "the popup menu's close entry did not close the menu"
wb_wait_gone "$RC_PID" 30 || fail "the popup menu's close entry did not end the remote control"
[ "$MOV_EXIT" -eq 0 ] || fail "the remote control's exit code was $MOV_EXIT after the menu's close"

# Nothing running: the buttons that drive Movani32 do nothing, and no message comes.
start_remote "$MOV_BIN/MovRC2.exe" "$work/elsewhere"
for b in OFF "No Paper" GO STOP "<" ">" Center/Tiled SHOW HIDE Property MINIMIZE; do
  rc click "$b" || fail "click $b without Movani32"
done
remote_window || fail "the remote control ended while Movani32 was not running"
"$WINELOADER" "$MOV_BIN/probebox.exe" show 0 "$box_caption" >/dev/null && fail "a message box came without Movani32"

# Movani32 as ON finds it: one group of three pictures.
mkdir -p "$work/pics"
for n in 1 2 3; do /usr/bin/convert -size 64x64 xc:"#40${n}080" BMP3:"$work/pics/p$n.bmp"; done
store_groups 0 0 "$work/pics"

# ON starts Movani32 from the remote control's folder, though the current folder is elsewhere.
"$WINELOADER" "$MOV_BIN/probebox.exe" sync || fail "probebox sync failed"
rc click ON
wb_wait_until 60 movani_window || fail "ON did not start Movani32"
"$WINELOADER" "$MOV_BIN/probebox.exe" show 0 "$box_caption" >/dev/null && fail "a message box came after a good start"
wb_wait_until "$MOV_WAIT" eval '[ "$(win state)" = minimized ]' || fail "Movani32 started $(win state)"
# ON again: no second copy (which would also have brought the first one forward).
rc click ON
expect "copies after ON again" "$(movani_count)" 1
expect "state after ON again" "$(win state)" minimized
for step in "SHOW normal" "HIDE hidden" "SHOW normal" "MINIMIZE minimized" "HIDE hidden" "MINIMIZE minimized"; do
  rc click "${step% *}"
  wb_wait_until "$MOV_WAIT" state_is "${step#* }" || fail "${step% *} left Movani32 $(win state)"
done
rc click SHOW
wb_wait_until "$MOV_WAIT" state_is normal || fail "SHOW left Movani32 $(win state)"
wb_screenshot "$SHOTS/remote_with_movani.png"

# Each command button, seen in Movani32: the shown file, the buttons' captions, the desktop's
# tiling, the property sheet.
wb_wait_until "$MOV_WAIT" eval 'win title | grep -q "p1.bmp - "' || fail "no first picture: $(win title)"
selected_is() { [ "$(win selection 57347)" = "$1" ]; }
tile() { wb_reg_query 'HKCU\Control Panel\Desktop' TileWallpaper; }
for step in "> 1" "> 2" "< 1"; do
  rc click "${step% *}"
  wb_wait_until "$MOV_WAIT" selected_is "${step#* }" || fail "${step% *}: file $(win selection 57347) selected"
done
for step in "STOP 32773 Go" "GO 32773 Stop" "No+Paper 32772 Retern Paper" "No+Paper 32772 No Paper"; do
  set -- $step
  rc click "${1/+/ }"
  wb_wait_until "$MOV_WAIT" eval '[ "$(win text "$2")" = "${*:3}" ]' || fail "${1/+/ }: control $2 reads $(win text "$2")"
done
before=$(tile)
rc click Center/Tiled
wb_wait_until "$MOV_WAIT" eval '[ "$(tile)" != "$before" ]' || fail "Center/Tiled left TileWallpaper $before"
rc post Property
"$WINELOADER" "$MOV_BIN/sheetdrive.exe" wait 20 cancel gone 20 || fail "Property: no property sheet"
# Closing the remote control leaves Movani32 alone; OFF ends it.
close_remote
movani_window || fail "closing the remote control ended Movani32"
start_remote "$MOV_BIN/MovRC2.exe" "$work/elsewhere"
rc click OFF
wb_wait_until 60 no_movani_window || fail "OFF did not end Movani32"
close_remote

# ON where Movani32.exe is not beside the remote control nor in the current folder.
start_remote "$work/alone/MovRC2.exe" "$work/alone"
rc post ON
expect "message without Movani32.exe" \
  "$("$WINELOADER" "$MOV_BIN/probebox.exe" show "$MOV_WAIT" "$box_caption" | iconv -f CP932 -t UTF-8)" \
  "カレントフォルダ内にMovani32.exeが存在しませんでした。MovRC.exeとMovani32.exeは同じフォルダ内に置いてください。"
"$WINELOADER" "$MOV_BIN/probebox.exe" answer ok "$MOV_WAIT" "$box_caption" || fail "could not close the message"
remote_window || fail "the remote control did not carry on after the message"
close_remote
# A Movani32.exe that is no program: the other message.
start_remote "$work/broken/MovRC2.exe" "$work/broken"
rc post ON
expect "message for a broken Movani32.exe" \
  "$("$WINELOADER" "$MOV_BIN/probebox.exe" show "$MOV_WAIT" "$box_caption" | iconv -f CP932 -t UTF-8)" \
  "Movani32起動時にエラーが発生しました。起動できません。"
"$WINELOADER" "$MOV_BIN/probebox.exe" answer ok "$MOV_WAIT" "$box_caption" || fail "could not close the message"
close_remote
echo "remote control: ok"
