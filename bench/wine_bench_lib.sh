# Shared by the Wine benches: a Wine desktop of its own, the program's start and end, the
# registry groups. Source it; it stops the desktop on exit.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/winebench.sh"
wb_env
export MOV_WINEPREFIX="$MOV_BUILD/wineprefix-bench-$MOV_WINE_ARCH"
wb_start
BIN="$MOV_BUILD/$MOV_WINE_ARCH/bin"
cmake --build "$MOV_BUILD/$MOV_WINE_ARCH" >/dev/null
cmake --build "$MOV_BUILD/$MOV_WINE_ARCH" --target empty_window movbench >/dev/null
KEY='HKCU\Software\Farnwick\MovAni32'
MOVANI_PID=
stop_all() {
  if [ -n "$MOVANI_PID" ] && kill -0 "$MOVANI_PID" 2>/dev/null; then kill "$MOVANI_PID"; fi
  wb_stop
}
trap stop_all EXIT

winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }
movwin() { "$WINELOADER" "$BIN/movwin.exe" "$@" | tr -d '\r'; }
movbench() { "$WINELOADER" "$BIN/movbench.exe" "$@" | tr -d '\r'; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# set_groups PATH...: the groups, positions at the start of the first.
set_groups() {
  wb_wine reg delete "$KEY\\Group" /f >/dev/null 2>&1 || true
  local i=0 p
  for p in "$@"; do
    wb_wine reg add "$KEY\\Group" /v "$(printf '%02d' $i)" /d "$(winpath "$p")" /f >/dev/null
    i=$((i + 1))
  done
  for v in "Count $((i - 1))" "DirPos 0" "BmpPos 0" "RandSeed 7"; do
    wb_wine reg add "$KEY\\Group" /v ${v% *} /t REG_DWORD /d ${v#* } /f >/dev/null
  done
}
# set_mode NAME TYPE VALUE
set_mode() { wb_wine reg add "$KEY\\Mode" /v "$1" /t "$2" /d "$3" /f >/dev/null; }

movani_up() { "$WINELOADER" "$BIN/movsend.exe" >/dev/null 2>&1; }
# Starts the program and waits until the start-up tick has shown the stored picture. With
# MOV_STEP_LOG set, the program alone runs with its step marks and their times written there.
start_movani() {
  "$WINELOADER" "$BIN/probebox.exe" sync
  if [ -n "${MOV_STEP_LOG:-}" ]; then
    ( cd "$BIN" && WINEDEBUG=+timestamp,+debugstr exec "$WINELOADER" Movani32.exe 2>"$MOV_STEP_LOG" ) &
  else
    ( cd "$BIN" && exec "$WINELOADER" Movani32.exe ) &
  fi
  MOVANI_PID=$!
  wb_wait_until 60 movani_up || { echo "Movani32 did not start" >&2; exit 1; }
  wb_wait_until 60 shows_picture || { echo "no start-up picture: $(movwin title)" >&2; exit 1; }
}
# Private memory (Private_Dirty, kB) of this prefix's desktop process, Wine's explorer.exe
# /desktop, which holds the wallpaper; other Wine desktops on the machine are not ours.
desktop_private_kb() {
  local p
  for p in $(pgrep -x explorer.exe || true); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    awk '/^Private_Dirty:/ { print $2 }' "/proc/$p/smaps_rollup"
    return 0
  done
  echo 0
}
shows_picture() { [[ "$(movwin title)" == *"\\"*" - "* ]]; }  # a path in the caption
quit_movani() {
  "$WINELOADER" "$BIN/movsend.exe" 57665 || true
  wb_wait_gone "$MOVANI_PID" 60 || true
  MOVANI_PID=
}
