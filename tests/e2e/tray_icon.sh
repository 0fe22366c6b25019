#!/usr/bin/env bash
# The tray icon shows on the virtual desktop's taskbar with the image for the settings it
# starts with, not at all with IconOn "No", and goes when the program quits.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work"
mkdir -p "$work"
mode='HKCU\Software\Farnwick\MovAni32\Mode'
special='HKCU\Software\Farnwick\MovAni32\Special'
restore() {
  "$WINELOADER" reg delete "$mode" /v IconOn /f >/dev/null 2>&1 || true
  "$WINELOADER" reg delete "$mode" /v Change /f >/dev/null 2>&1 || true
  "$WINELOADER" reg delete "$special" /v WrightButton /f >/dev/null 2>&1 || true
}
trap 'cleanup_movani; restore' EXIT
set_word() { "$WINELOADER" reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1 || fail "reg add $2"; }

# The notification area is the right end of the taskbar at the bottom of the 1024x768 desktop.
tray_area() {  # screenshot: the tray area cut from it
  /usr/bin/convert "$1" -crop 96x24+928+744 +repage "$1.tray.png"
}
# has_icon ICO SHOT: the 16x16 image of ui/res/ICO (over the taskbar's white) is in the tray area.
has_icon() {
  tray_area "$2"
  local diff
  diff=$(/usr/bin/compare -metric AE -fuzz 8% -subimage-search "$2.tray.png" "$work/want_$1.png" null: 2>&1) || true
  [ "${diff%% *}" -le 4 ] 2>/dev/null
}
# is_empty SHOT: none of the program's tray images is in the tray area (over the taskbar the
# test run keeps up, or the desktop's colour when run alone).
icons="tray_next.ico tray_stopped.ico movani32.ico"
for ico in $icons; do /usr/bin/convert "$MOV_SOURCE_DIR/ui/res/$ico[1]" -background white -flatten "$work/want_$ico.png"; done
is_empty() { local ico; for ico in $icons; do ! has_icon "$ico" "$1" || return 1; done; }
shows() {  # name ico
  wb_wait_shot "$SHOTS/tray_$1.png" "$MOV_WAIT" has_icon "$2" || fail "$1: $2 not in the tray area"
}
empty() { wb_wait_shot "$SHOTS/tray_$1.png" "$MOV_WAIT" is_empty || fail "$1: something in the tray area"; }

restore
# A plain desktop, so that no picture an earlier test left up can pass for an icon.
"$WINELOADER" "$MOV_BIN/applywall.exe" remove || fail "applywall remove"
start_movani
shows default tray_next.ico          # WrightButton "Next" by default
quit_movani 57665
empty quit

set_word "$mode" Change No
start_movani
shows stopped tray_stopped.ico
quit_movani close
empty closed

set_word "$mode" Change Auto
set_word "$special" WrightButton Hide
start_movani
shows hide movani32.ico
quit_movani 57665

set_word "$mode" IconOn No
start_movani
# A command that does nothing comes back only once the start-up work (and its tray call) is over.
"$WINELOADER" "$MOV_BIN/movsend.exe" 32787 || fail "movsend 32787"
empty off
quit_movani 57665
echo "tray_icon: ok"
