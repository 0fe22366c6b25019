# Helpers for e2e tests: the bench is already running (scripts/test); these start the
# shipped programs in the shared virtual desktop and look at the screen.
set -euo pipefail
source "$MOV_SOURCE_DIR/scripts/winebench.sh"
wb_env
SHOTS="$MOV_BINARY_DIR/e2e-shots"
mkdir -p "$SHOTS"

fail() { echo "FAIL: $*" >&2; exit 1; }
# A command that ends the script through set -e names itself and its line first.
set -o errtrace
# Inside a function the line is the function's: the callers' lines follow it ("from").
trap 'e2e_rc=$?; [ "$BASH_SUBSHELL" -gt 0 ] || echo "FAIL: ${BASH_SOURCE[0]##*/} line $LINENO: $BASH_COMMAND (exit $e2e_rc)${FUNCNAME[0]:+ from line ${BASH_LINENO[*]}}" >&2' ERR

# A failed test must not leave its Movani32 running for the next one to find.
cleanup_movani() { if [ -n "${MOVANI_PID:-}" ] && kill -0 "$MOVANI_PID" 2>/dev/null; then kill "$MOVANI_PID" 2>/dev/null || true; fi; }
trap cleanup_movani EXIT

# near COLOUR EXPECTED [TOLERANCE]: each channel within TOLERANCE (6): JPEG colours may be off by a little.
near() {
  local a=$1 b=$2 tol=${3:-6} i d
  for i in 0 2 4; do
    d=$(( 16#${a:$i:2} - 16#${b:$i:2} ))
    [ ${d#-} -le "$tol" ] || return 1
  done
}

# Windows path of a Linux file (Wine maps / to Z:).
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

# exif_turn IN OUT K: the JPEG IN with an EXIF block whose orientation tag is K (1-8) put
# first, as cameras write it.
exif_turn() {
  { head -c 2 "$1"
    printf '\xff\xe1\x00\x22Exif\x00\x00II\x2a\x00\x08\x00\x00\x00\x01\x00\x12\x01\x03\x00\x01\x00\x00\x00'
    printf "\\x0$3"'\x00\x00\x00\x00\x00\x00\x00'
    tail -c +3 "$1"; } >"$2"
}

# store_groups DIRPOS BMPPOS FOLDER...: the stored group list is exactly these Linux paths
# (Count, the positions, RandSeed 7); forget_groups removes it.
group='HKCU\Software\Farnwick\MovAni32\Group'
forget_groups() { wb_wine reg delete "$group" /f >/dev/null 2>&1 || true; }
store_groups() {
  local dir=$1 bmp=$2 i=0 p v; shift 2
  forget_groups
  for p in "$@"; do
    wb_wine reg add "$group" /v "$(printf %02d $i)" /d "$(winpath "$p")" /f >/dev/null
    i=$((i + 1))
  done
  for v in "Count $((i - 1))" "DirPos $dir" "BmpPos $bmp" "RandSeed 7"; do
    wb_wine reg add "$group" /v ${v% *} /t REG_DWORD /d ${v#* } /f >/dev/null
  done
}

# start_movani ARGS...: starts Movani32.exe (from MOVANI_DIR, else the build's) in the
# background, waits for its window.
# Movani32 asks at start when the desktop's placement values differ from its copy of them,
# and tests change the desktop between starts: the copy is first made equal to the desktop,
# unless the test wants the question (MOVANI_ASK=1).
start_movani() {
  if [ -z "${MOVANI_ASK:-}" ]; then
    "$WINELOADER" "$MOV_BIN/probebox.exe" sync || fail "probebox sync failed"
  fi
  ( cd "${MOVANI_DIR:-$MOV_BIN}" && exec "$WINELOADER" Movani32.exe "$@" ) &
  MOVANI_PID=$!
  wb_wait_until 60 movani_window || fail "the MovaniClass window did not appear"
}

# Whether a window of class MovaniClass exists.
movani_window() { "$WINELOADER" "$MOV_BIN/movsend.exe" >/dev/null 2>&1; }
no_movani_window() { ! movani_window; }

# quit_movani HOW: "57665" or "close"; expects the process to end with exit code 0.
quit_movani() {
  "$WINELOADER" "$MOV_BIN/movsend.exe" "$1" || fail "movsend $1 did not find the window"
  wb_wait_gone "$MOVANI_PID" 60 || fail "Movani32 still running 60 s after $1"
  [ "$MOV_EXIT" -eq 0 ] || fail "Movani32 exit code $MOV_EXIT after $1"
  "$WINELOADER" "$MOV_BIN/movsend.exe" 2>/dev/null && fail "window still there after $1"
  return 0
}
