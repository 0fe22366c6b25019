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
tray_shot() {  # name: screenshot and the tray area cut from it
  sleep 1
  wb_screenshot "$SHOTS/tray_$1.png"
  /usr/bin/convert "$SHOTS/tray_$1.png" -crop 96x24+928+744 +repage "$work/tray_$1.png"
}
# shows NAME ICO: the 16x16 image of ui/res/ICO (over the taskbar's white) is in the tray area.
shows() {
  /usr/bin/convert "$MOV_SOURCE_DIR/ui/res/$2[1]" -background white -flatten "$work/want_$2.png"
  local diff
  diff=$(/usr/bin/compare -metric AE -fuzz 8% -subimage-search "$work/tray_$1.png" "$work/want_$2.png" null: 2>&1) || true
  [ "${diff%% *}" -le 4 ] 2>/dev/null || fail "$1: $2 not in the tray area ($diff)"
}
# empty NAME: the tray area is one plain colour. (Wine's desktop puts up its taskbar only
# once a first tray icon arrives, so with none it is the desktop's own colour.)
empty() {
  [ "$(/usr/bin/convert "$work/tray_$1.png" -format %k info:)" = 1 ] || fail "$1: something in the tray area"
}

restore
start_movani
tray_shot default
shows default tray_next.ico          # WrightButton "Next" by default
quit_movani 57665
tray_shot quit
empty quit

set_word "$mode" Change No
start_movani
tray_shot stopped
shows stopped tray_stopped.ico
quit_movani close
tray_shot closed
empty closed

set_word "$mode" Change Auto
set_word "$special" WrightButton Hide
start_movani
tray_shot hide
shows hide movani32.ico
quit_movani 57665

set_word "$mode" IconOn No
start_movani
tray_shot off
empty off
quit_movani 57665
echo "tray_icon: ok"
