#!/usr/bin/env bash
# The installer in a fresh Wine prefix: a silent install puts the shipped files (with their
# version resources), the readme and the manual into the program folder and makes the
# Start-menu shortcuts, the log-on shortcut with "-S" only when asked for; Movani32 started
# from its shortcut registers a dropped folder and changes the wallpaper; the silent
# uninstall ends it and leaves nothing but its settings.
source "$(dirname "$0")/lib.sh"
setup=$(ls "$MOV_BINARY_DIR"/Movani32-*-setup.exe) || fail "no installer in $MOV_BINARY_DIR"
work="$MOV_BINARY_DIR/e2e-work/install"
rm -rf "$work"; mkdir -p "$work/pics"
/usr/bin/convert -size 1024x768 xc:'#30a0c0' BMP3:"$work/pics/p.bmp"

export MOV_WINEPREFIX="$MOV_BINARY_DIR/wineprefix-install"
rm -rf "$MOV_WINEPREFIX"
wb_env
wb_prefix
wb_server
wb_hold_desktop "$MOV_BIN"
trap 'cleanup_movani; "$WINESERVER" -k >/dev/null 2>&1 || true; "$WINESERVER" -w || true; rm -rf "$MOV_WINEPREFIX"' EXIT

uninst_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Movani32'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Movani32"
startup_lnk() { find "$WINEPREFIX/drive_c/users" -ipath '*/start menu/programs/startup/movani32.lnk'; }
win() { "$WINELOADER" "$MOV_BIN/movwin.exe" "$@" | tr -d '\r'; }
unix() { "$WINELOADER" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# link FILE: the shortcut's target, arguments and start folder on one line.
link() { win link "$(winpath "$1")" | paste -sd '|'; }

wb_wine "$(winpath "$setup")" /S || fail "silent install failed"
dir_win=$(wb_reg_query "$uninst_key" InstallLocation)
dir=$(unix "$dir_win")
[ -n "$dir_win" ] && [ -d "$dir" ] || fail "no program folder ($dir_win)"

version=$(basename "$setup" | sed 's/^Movani32-\(.*\)-setup\.exe$/\1/')
while IFS='|' read -r name ver ja en; do
  name=$(echo $name) ver=$(echo $ver) ja=$(echo $ja) en=$(echo $en)
  [ "$ver" = - ] && ver=$version.0
  cmp -s "$dir/$name" "$MOV_BIN/$name" || fail "$name not installed as built"
  case $name in *.sh) continue ;; esac  # the Linux setter has no version resource
  got=$(win version "$dir_win\\$name" | iconv -f CP932 -t UTF-8)
  want=$(printf 'fixed %s %s\n041103A4 %s %s %s\n040904E4 %s %s %s' "$ver" "$ver" "$ver" "$ver" "$ja" "$ver" "$ver" "$en")
  [ "$got" = "$want" ] || fail "$name version resource: $got"
done < <(grep -v '^[[:space:]]*\(#\|$\)' "$MOV_SOURCE_DIR/dist/files.txt")
for f in README.txt Movani32.html Uninstall.exe; do [ -f "$dir/$f" ] || fail "$f not installed"; done

# The Japanese names: the installer speaks the user's language.
[ "$(ls "$menu" | sort | paste -sd '|')" = "Movani32 のアンインストール.lnk|Movani32 の使い方.lnk|Movani32.lnk|リモコン (MovRC2).lnk" ] \
  || fail "Start menu holds: $(ls "$menu")"
[ "$(link "$menu/Movani32.lnk")" = "$dir_win\\Movani32.exe||$dir_win" ] || fail "Movani32 shortcut: $(link "$menu/Movani32.lnk")"
[ "$(link "$menu/リモコン (MovRC2).lnk")" = "$dir_win\\MovRC2.exe||$dir_win" ] || fail "remote control shortcut"
[ "$(link "$menu/Movani32 の使い方.lnk")" = "$dir_win\\Movani32.html||$dir_win" ] || fail "manual shortcut"
[ "$(link "$menu/Movani32 のアンインストール.lnk")" = "$dir_win\\Uninstall.exe||$dir_win" ] || fail "uninstall shortcut"
[ -z "$(startup_lnk)" ] || fail "log-on shortcut made without being asked for"

# Again, with the log-on shortcut.
wb_wine "$(winpath "$setup")" /S /STARTUP || fail "second silent install failed"
lnk=$(startup_lnk)
[ -n "$lnk" ] || fail "no log-on shortcut after /STARTUP"
[ "$(link "$lnk")" = "$dir_win\\Movani32.exe|-S|$dir_win" ] || fail "log-on shortcut: $(link "$lnk")"

# The installed program, as its shortcut starts it, takes a dropped folder and shows it.
IFS='|' read -r target _ start < <(link "$menu/Movani32.lnk")
( cd "$(unix "$start")" && exec "$WINELOADER" "$target" ) &
MOVANI_PID=$!
wb_wait_until 60 movani_window || fail "the installed Movani32 did not start"
"$WINELOADER" "$MOV_BIN/movdrop.exe" "$(winpath "$work/pics")" || fail "movdrop failed"
wb_wait_pixel 700 300 30A0C0 40 "$SHOTS/installed.png" || fail "the installed Movani32 did not change the wallpaper"

# The silent uninstall runs a copy of itself and returns at once: wait for its work.
wb_wine "$dir_win\\Uninstall.exe" /S
wb_wait_gone "$MOVANI_PID" 60 || fail "Movani32 still running during the uninstall"
[ "$MOV_EXIT" -eq 0 ] || fail "Movani32 exit code $MOV_EXIT when asked to quit"
# Its uninstall entry goes last: once it is gone, the rest must be too.
uninstalled() { [ -z "$(wb_reg_query "$uninst_key" InstallLocation)" ]; }
wb_wait_until 60 uninstalled || fail "uninstall key left"
[ ! -e "$dir" ] || fail "program folder left: $(ls "$dir")"
[ ! -e "$menu" ] || fail "Start-menu folder left: $(ls "$menu")"
[ -z "$(startup_lnk)" ] || fail "log-on shortcut left"
[ -n "$(wb_reg_query 'HKCU\Software\Farnwick\MovAni32\Group' 00)" ] || fail "the silent uninstall removed the settings"

# By hand this time: Yes to the question about the settings removes them too. The
# uninstaller's pages carry a blank after its caption, its question box does not.
wb_wine "$(winpath "$setup")" /S || fail "the install before the uninstall by hand failed"
box() { "$WINELOADER" "$MOV_BIN/probebox.exe" "$@"; }
settings_kept() { wb_wine reg query 'HKCU\Software\Farnwick' >/dev/null 2>&1; }
wb_wine "$dir_win\\Uninstall.exe" || fail "the uninstaller did not start"
box press 1 "$MOV_WAIT" "Movani32 アンインストール " || fail "no confirmation page"
question=$(box show "$MOV_WAIT" "Movani32 アンインストール" | iconv -f CP932 -t UTF-8)
[ "$question" = "Movani32 の設定と登録したグループ (レジストリ) も削除しますか?" ] || fail "question: '$question'"
box answer yes "$MOV_WAIT" "Movani32 アンインストール" || fail "could not answer Yes"
wb_wait_until 60 eval '! settings_kept' || fail "Yes left the settings key"
wb_wait_until 60 uninstalled || fail "uninstall key left after the uninstall by hand"
[ ! -e "$dir" ] || fail "program folder left after the uninstall by hand: $(ls "$dir")"
echo "install and uninstall: ok"
