#!/usr/bin/env bash
# Quitting puts the desktop's placement values back as they were at start-up; with Modify 1
# the tile value the program wrote stays.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work"
mkdir -p "$work"
/usr/bin/convert -size 120x90 xc:'#5050c0' BMP3:"$work/small.bmp"
pic=$(winpath "$work/small.bmp")
desk='HKCU\Control Panel\Desktop'
mode='HKCU\Software\Farnwick\MovAni32\Mode'
trap 'wb_wine reg delete "$mode" /v Modify /f >/dev/null 2>&1 || true; cleanup_movani' EXIT

set_desktop() {  # tile style origin
  wb_wine reg add "$desk" /v TileWallpaper /t REG_SZ /d "$1" /f >/dev/null
  wb_wine reg add "$desk" /v WallpaperStyle /t REG_SZ /d "$2" /f >/dev/null
  wb_wine reg add "$desk" /v WallpaperOriginX /t REG_SZ /d "$3" /f >/dev/null
}
expect() {  # value text
  local got; got=$(wb_reg_query "$desk" "$1")
  [ "$got" = "$2" ] || fail "$1 is '$got', expected '$2' ($3)"
}

set_desktop 0 0 5
start_movani
"$WINELOADER" "$MOV_BIN/applywall.exe" --adjust 1 "$pic" centre || fail "applywall centre"
"$WINELOADER" "$MOV_BIN/applywall.exe" "$pic" tile || fail "applywall tile"
expect TileWallpaper 1 "while running"
quit_movani 57665
expect TileWallpaper 0 "after quitting"
expect WallpaperStyle 0 "after quitting"
expect WallpaperOriginX 5 "after quitting"

wb_wine reg add "$mode" /v Modify /t REG_DWORD /d 1 /f >/dev/null
set_desktop 0 0 5
start_movani
"$WINELOADER" "$MOV_BIN/applywall.exe" --adjust 1 "$pic" centre || fail "applywall centre"
"$WINELOADER" "$MOV_BIN/applywall.exe" "$pic" tile || fail "applywall tile"
quit_movani close
expect TileWallpaper 1 "with Modify 1, the program's own value stays"
expect WallpaperStyle 0 "with Modify 1"
echo "exit_restore: ok"
