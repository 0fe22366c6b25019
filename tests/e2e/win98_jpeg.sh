#!/usr/bin/env bash
# With the prefix reporting Windows 98: the start-up probe accepts the 9x filter library with
# the image plug-in (the property sheet's report ticks JPEG and the plug-in, the system as
# Windows 9x), and a folder's JPEG picture reaches the desktop through the converter program,
# which clears the busy flag that the filter library would leave alone.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/win98_jpeg"
rm -rf "$work"; mkdir -p "$work/photos"
/usr/bin/convert -size 1024x768 xc:'#c08020' -quality 95 "$work/photos/p1.jpg"

key='HKCU\Software\Farnwick\MovAni32'
original_version=$(wb_winver)
cleanup() {
  cleanup_movani
  forget_groups
  wb_winver "${original_version:-win7}" >/dev/null
}
trap cleanup EXIT

store_groups 0 0 "$work/photos"
wb_wine reg add "$group" /v LhaArchiveing /t REG_DWORD /d 7 /f >/dev/null

wb_winver win98
[ "$(wb_winver)" = win98 ] || fail "the prefix reports $(wb_winver), not win98"
start_movani

win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r'; }
titled() { case "$(win title)" in "$1 - "*) return 0 ;; *) return 1 ;; esac; }
shows() { near "$(wb_pixel "$2" 700 300)" "$1" 8; }
picture="$(winpath "$work/photos")\\p1.jpg"
wb_wait_until "$MOV_WAIT" titled "$picture" || fail "caption '$(win title)', wanted '$picture - ...'"
wb_wait_shot "$SHOTS/win98_jpeg.png" "$MOV_WAIT" shows C08020 \
  || fail "desktop shows $(wb_pixel "$SHOTS/win98_jpeg.png" 700 300), wanted C08020"
[ "$(wb_reg_query "$group" LhaArchiveing)" = 0x0 ] \
  || fail "LhaArchiveing is $(wb_reg_query "$group" LhaArchiveing): the converter program did not run"

# The probe's findings as the additional page reports them.
drive() { "$WINELOADER" "$MOV_BIN/sheetdrive.exe" "$@" | tr -d '\r'; }
"$WINELOADER" "$MOV_BIN/movsend.exe" 32771 &
send_pid=$!
drive wait 30 || fail "no property sheet after command 32771"
drive page 2 >/dev/null || fail "no third page"
for check in "1008 JPEG" "1009 plug-in" "1005 Windows9x"; do
  [ "$(drive checked ${check% *})" = 1 ] || fail "the report does not tick ${check#* }"
done
drive cancel >/dev/null || fail "cancel"
wb_wait_gone "$send_pid" 60 || fail "command 32771 did not return"
quit_movani 57665
echo "win98_jpeg: ok"
