#!/usr/bin/env bash
# Movani32 started as each Windows it is for (the version Wine reports to it alone): the
# system the start-up probe derived, as the additional page reports it; a bitmap and, after
# one Next, a JPEG on the desktop, the JPEG through that system's route (the filter library
# in the program, or on 9x the converter program, which clears the busy flag); the tile
# origin written into the registry on 9x only; the zero desktop pattern on NT 4.0 only; and
# the desktop's placement values put back at exit. Wine, like Windows NT, sends the profile
# file's "Desktop" section to the registry; that mapping is lifted here, so the two routes
# of the tile origin land in different places.
source "$(dirname "$0")/lib.sh"
work="$MOV_BINARY_DIR/e2e-work/windows_versions"
rm -rf "$work"; mkdir -p "$work/pics"
/usr/bin/convert -size 1024x768 xc:'#c03060' BMP3:"$work/pics/p1.bmp"
/usr/bin/convert -size 1024x768 xc:'#30a050' -quality 95 "$work/pics/p2.jpg"
pics=$(winpath "$work/pics")

key='HKCU\Software\Farnwick\MovAni32'
desk='HKCU\Control Panel\Desktop'
mapping='HKLM\Software\Microsoft\Windows NT\CurrentVersion\IniFileMapping\win.ini'
win_ini="$WINEPREFIX/drive_c/windows/win.ini"
cleanup() {
  wb_wine reg add "$mapping" /v desktop /d 'USR:Control Panel\Desktop' /f >/dev/null 2>&1 || true
  cleanup_movani
  forget_groups
  wb_winver "" Movani32.exe
  wb_wine reg delete "$key\\Mode" /v Adjust /f >/dev/null 2>&1 || true
  wb_wine reg delete "$key\\Mode" /v TileWallPaper /f >/dev/null 2>&1 || true
  wb_wine reg delete "$key\\Special" /v TiledatRight /f >/dev/null 2>&1 || true
}
trap cleanup EXIT
wb_wine reg delete "$mapping" /v desktop /f >/dev/null
wb_wine reg add "$key\\Mode" /v Interval /t REG_DWORD /d 60 /f >/dev/null
wb_wine reg add "$key\\Mode" /v Adjust /d Yes /f >/dev/null
wb_wine reg add "$key\\Mode" /v TileWallPaper /t REG_DWORD /d 0 /f >/dev/null
wb_wine reg add "$key\\Special" /v TiledatRight /d Yes /f >/dev/null

win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r'; }
drive() { "$WINELOADER" "$MOV_BIN/sheetdrive.exe" "$@" | tr -d '\r'; }
titled() { case "$(win title)" in "$pics\\$1 - "*) return 0 ;; *) return 1 ;; esac; }
shows() { near "$(wb_pixel "$2" 700 300)" "$1" 8; }
expect() {  # WHAT GOT WANTED
  [ "$2" = "$3" ] || fail "$version: $1 is '$2', wanted '$3'"
}
picture() {  # FILE COLOUR
  wb_wait_until "$MOV_WAIT" titled "$1" || fail "$version: caption '$(win title)', wanted $1"
  wb_wait_shot "$SHOTS/versions_$version.png" "$MOV_WAIT" shows "$2" \
    || fail "$version: desktop shows $(wb_pixel "$SHOTS/versions_$version.png" 700 300) for $1, wanted $2"
}
# The probe's findings as the additional page reports them: the system (its radio buttons in
# OsKind order, 0 to 3) into kind, the JPEG and plug-in ticks into jpeg and plugin.
read_report() {
  local id n=0
  "$WINELOADER" "$MOV_BIN/movsend.exe" 32771 &
  local send_pid=$!
  drive wait 30 page 2 >/dev/null || fail "$version: no property sheet with its third page"
  for id in 1004 1005 1007 1006; do
    if [ "$(drive checked $id)" = 1 ]; then kind=$n; fi
    n=$((n + 1))
  done
  jpeg=$(drive checked 1008) plugin=$(drive checked 1009)
  drive cancel gone 20 >/dev/null || fail "$version: the sheet did not close"
  wb_wait_gone "$send_pid" 60 || fail "$version: command 32771 did not return"
}

# version  OsKind  JPEG route (where it is decoded)
matrix="win95 1 Jpeg2bmp.exe
win98 1 Jpeg2bmp.exe
nt40 2 jpegfilt.dll
win2k 3 jpegfilt.dll
winxp 3 jpegfilt.dll
win7 3 jpegfilt.dll"
table=""
# The table comes in on its own descriptor: Wine's programs in the loop share standard input.
while read -r version want_kind route <&3; do
  wb_winver "$version" Movani32.exe
  for v in "TileWallpaper 0" "WallpaperStyle 0" "WallpaperOriginX 5" "Pattern (なし)"; do
    wb_wine reg add "$desk" /v "${v% *}" /d "${v#* }" /f >/dev/null
  done
  [ ! -e "$win_ini" ] || sed -i '/^WallpaperOriginX=/d' "$win_ini"
  store_groups 0 0 "$work/pics"
  wb_wine reg add "$group" /v LhaArchiveing /t REG_DWORD /d 7 /f >/dev/null

  start_movani
  picture p1.bmp C03060
  # Centred: the origin is "0", into the registry on 9x, into the profile file elsewhere.
  origin_ini=$(grep -a '^WallpaperOriginX=' "$win_ini" 2>/dev/null | tr -d '\r' || true)
  expect "WallpaperOriginX in the registry and the profile" "$(wb_reg_query "$desk" WallpaperOriginX) $origin_ini" \
    "$([ "$want_kind" = 1 ] && echo '0 ' || echo '5 WallpaperOriginX=0')"
  expect WallpaperStyle "$(wb_reg_query "$desk" WallpaperStyle)" 2
  expect Pattern "$(wb_reg_query "$desk" Pattern | iconv -f CP932 -t UTF-8)" "$([ "$want_kind" = 2 ] && echo 0,0,0,0,0,0,0,0,0 || echo '(なし)')"
  kind=none
  read_report
  expect OsKind "$kind" "$want_kind"
  expect "JPEG and plug-in ticked" "$jpeg $plugin" "1 $([ "$kind" = 1 ] && echo 1 || echo 0)"

  "$WINELOADER" "$MOV_BIN/movsend.exe" 32774 || fail "$version: movsend 32774"
  picture p2.jpg 30A050
  # Only the converter program clears the busy flag; the library leaves it alone.
  expect LhaArchiveing "$(wb_reg_query "$group" LhaArchiveing)" "$([ "$route" = Jpeg2bmp.exe ] && echo 0x0 || echo 0x7)"

  quit_movani 57665
  placement() { for v in TileWallpaper WallpaperStyle WallpaperOriginX; do wb_reg_query "$desk" $v; done | paste -sd ' '; }
  wb_wait_until 10 eval '[ "$(placement)" = "0 0 5" ]' || expect "tile, style, origin after exit" "$(placement)" "0 0 5"
  table+="$version → OsKind $kind → $route → pass"$'\n'
done 3<<<"$matrix"
printf '%s' "$table"
echo "windows_versions: ok"
