#!/usr/bin/env bash
# The host's desktop gets the wallpaper: not from the bench's virtual desktop; without one (a
# prefix and an X display of this test's own) feh's root window and the removal's give-back,
# GNOME's keyfile settings with each placement, a failing or missing setter logged once.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/host"
rm -rf "$work"; mkdir -p "$work/pics" "$work/home"
/usr/bin/convert -size 200x150 xc:'#c03020' BMP3:"$work/pics/red.bmp"
/usr/bin/convert -size 32x32 xc:'#2040b0' "$work/before.png"
export XDG_CACHE_HOME="$work/cache"
cache="$XDG_CACHE_HOME/movani32"
send() { "$WINELOADER" "$MOV_BIN/movsend.exe" "$@" || fail "movsend $* did not find the window"; }

# In the virtual desktop the picture shows there, and the setter is never started.
store_groups 0 0 "$work/pics"
start_movani
send 32774
wb_wait_pixel 512 384 C03020 "$MOV_WAIT" "$SHOTS/host_virtual.png" || fail "no picture in the virtual desktop"
send 32772
wb_wait_pixel 512 384 not:C03020 "$MOV_WAIT" || fail "the picture stayed after the removal"
quit_movani 57665
[ ! -e "$XDG_CACHE_HOME" ] || fail "handed to the host from a virtual desktop: $(ls -R "$XDG_CACHE_HOME")"
forget_groups

# A prefix without a virtual desktop, on an X display of its own.
export MOV_WINEPREFIX="$MOV_BINARY_DIR/wineprefix-host" HOME="$work/home"
rm -rf "$MOV_WINEPREFIX"; unset DISPLAY
MOV_DISPLAY_NUM=140 MOV_XVFB_NORESET=1 wb_display
wb_env
trap 'cleanup_movani; "$WINESERVER" -k >/dev/null 2>&1 || true; "$WINESERVER" -w || true; kill $MOV_XVFB_PID || true; rm -rf "$MOV_WINEPREFIX"' EXIT
wb_prefix
wb_wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null && "$WINESERVER" -w
wb_server
store_groups 0 0 "$work/pics"
for v in 'TileWallPaper /t REG_DWORD /d 0' 'Adjust /d No'; do wb_wine reg add 'HKCU\Software\Farnwick\MovAni32\Mode' /v $v /f >/dev/null; done

# Bare X: feh sets a known picture first (and keeps its record, ~/.fehbg).
feh --bg-tile "$work/before.png"
wb_wait_pixel 512 384 2040B0 "$MOV_WAIT" || fail "feh did not set the root"
start_movani
send 32774
wb_wait_pixel 512 384 C03020 "$MOV_WAIT" "$SHOTS/host_feh_shown.png" || fail "the root does not show the picture"
[ "$(wb_pixel "$SHOTS/host_feh_shown.png" 1000 740)" != C03020 ] || fail "the picture is not centred"
send 32772
wb_wait_pixel 512 384 2040B0 "$MOV_WAIT" "$SHOTS/host_feh_removed.png" || fail "the root did not get its picture back"
quit_movani 57665

# GNOME, through GLib's keyfile backend: each change a new file, with its placement.
export GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$work/config" XDG_CURRENT_DESKTOP=GNOME
gs() { gsettings get org.gnome.desktop.background "$1"; }
gsettings set org.gnome.desktop.background picture-uri 'file:///usr/share/before.png'
gsettings set org.gnome.desktop.background picture-options zoom
seen=" 'file:///usr/share/before.png' "
# shown_as OPTIONS: the placement is OPTIONS and the picture (also the dark one) a copy not
# named before.
shown_as() {
  local uri; uri=$(gs picture-uri)
  [ "$(gs picture-options)" = "'$1'" ] && [ "${seen/ $uri /}" = "$seen" ] && [ "$(gs picture-uri-dark)" = "$uri" ] || return 1
  seen="$seen$uri "
  [ "$uri" = "'file://$cache/$(basename "${uri%\'}")'" ] && [ -f "$cache/$(basename "${uri%\'}")" ] ||
    fail "picture-uri $uri is not a copy in $cache"
  cmp -s "$cache/$(basename "${uri%\'}")" "$work/pics/red.bmp" || fail "$uri is not the picture"
}
start_movani
for step in 32774:centered 32777:wallpaper 32777:centered 32780:stretched; do
  send "${step%:*}"
  wb_wait_until "$MOV_WAIT" shown_as "${step#*:}" || fail "after $step: $(gs picture-options) $(gs picture-uri)"
done
[ "$(ls "$cache"/wallpaper-* | wc -l)" -eq 2 ] || fail "the cache keeps: $(ls "$cache")"
send 32772
back() { [ "$(gs picture-uri)" = "'file:///usr/share/before.png'" ] && [ "$(gs picture-options)" = "'zoom'" ]; }
wb_wait_until "$MOV_WAIT" back || fail "GNOME did not get its picture back: $(gs picture-uri) $(gs picture-options)"
quit_movani 57665

# Never in the way: a failing tool, reported by the setter and read at the next change, and a
# missing script are each logged once; the changes go on. A command may wait behind a change
# the program started itself: the log is counted when the program has ended.
log="$work/debug.log"
logged() { grep -ac "Movani32: .*$1" "$log" || true; }
logged_at_all() { [ "$(logged "$1")" -gt 0 ]; }
reported() { [ -n "$(find "$WINEPREFIX/drive_c/users" -name MovHost.err)" ]; }
XDG_DATA_DIRS=/nonexistent WINEDEBUG=+debugstr start_movani 2>"$log"
send 32774
wb_wait_until "$MOV_WAIT" reported || fail "no report from the failing setter"
send 32774
wb_wait_until "$MOV_WAIT" logged_at_all 'gsettings failed' || fail "the failing setter was not logged"
wb_wait_until "$MOV_WAIT" reported || fail "no second report from the failing setter"
send 32774
quit_movani 57665
[ "$(logged 'gsettings failed')" -eq 1 ] || fail "the failing setter was logged $(logged 'gsettings failed') times"
mkdir -p "$work/nosetter"; cp "$MOV_BIN/Movani32.exe" "$work/nosetter/"
MOVANI_DIR="$work/nosetter" WINEDEBUG=+debugstr start_movani 2>"$log"
send 32774; send 32774; send 32772
quit_movani 57665
[ "$(logged 'HostWallpaper.sh is missing')" -eq 1 ] || fail "the missing script was logged $(logged 'HostWallpaper.sh is missing') times"
echo "host_desktop: ok"
