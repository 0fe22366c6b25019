# The Wine bench: source this file. A Japanese (code page 932) Wine prefix under build/,
# Xvfb when there is no display, one persistent wineserver, every program in one
# 1024x768 virtual desktop, screenshots, pixels, registry queries, Windows versions.
#
# 32-bit Windows code needs a kernel that runs 32-bit programs (wine32). Where the
# kernel refuses them (IA-32 emulation off, as on some virtual machines), Wine can only
# run 64-bit code: the bench then uses wine64 and tests run the x86_64 build of the
# same sources. MOV_WINE_ARCH tells which (win32 or win64).

MOV_ROOT=${MOV_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
MOV_BUILD=${MOV_BUILD:-$MOV_ROOT/build}

# Whether the kernel itself runs 32-bit x86 programs, asked before anything 32-bit is
# installed: a 96-byte static i386 program that exits with 42. Emulated i386 (qemu through
# binfmt_misc) counts as no: it works but costs ~50 s per Wine start. MOV_ASSUME_I386=yes|no
# answers without asking.
wb_kernel_i386() {
  case ${MOV_ASSUME_I386:-} in yes) return 0 ;; no) return 1 ;; esac
  if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && grep -q '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
    return 1
  fi
  local dir rc=0
  dir=$(mktemp -d) || return 1
  # ELF header, one loadable segment, then: mov eax, 1; mov ebx, 42; int 0x80 (exit).
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$dir/i386" \
    && chmod +x "$dir/i386" && { "$dir/i386" 2>/dev/null || rc=$?; }
  rm -rf "$dir"
  [ "$rc" -eq 42 ]
}

# Whether this machine's wine32 runs: the kernel must run 32-bit code natively (above).
wb_native_i386() {
  [ -x /usr/lib/wine/wine ] || return 1
  wb_kernel_i386 || return 1
  timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1
}

wb_arch() {
  if [ -z "${MOV_WINE_ARCH:-}" ]; then
    if wb_native_i386; then MOV_WINE_ARCH=win32; else MOV_WINE_ARCH=win64; fi
  fi
  export MOV_WINE_ARCH
  echo "$MOV_WINE_ARCH"
}

wb_env() {
  wb_arch >/dev/null
  export WINEPREFIX=${MOV_WINEPREFIX:-$MOV_BUILD/wineprefix-$MOV_WINE_ARCH}
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko prompts; no menu entries on the Linux desktop for the shortcuts made in the prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=ja_JP.UTF-8
  if [ "$MOV_WINE_ARCH" = win64 ]; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
  else
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver64
  fi
  [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver32
}

# reg.exe's add has failed now and then in a full run (exit 1) where a second try succeeds;
# an add never fails for a reason of the test's own, so it is tried again.
wb_wine() {
  if [ "${1:-}" = reg ] && [ "${2:-}" = add ]; then
    "$WINELOADER" "$@" && return 0
    sleep 1
  fi
  "$WINELOADER" "$@"
}

# Xvfb on a free display when none is given; its pid is kept for wb_stop. Another bench
# may grab the same number at the same moment: our server then dies and the next is tried.
wb_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n=${MOV_DISPLAY_NUM:-77} tries end
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    # Xvfb resets when its last client goes, dropping the root's background a program set
    # before exiting (feh): MOV_XVFB_NORESET=1 keeps it.
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp ${MOV_XVFB_NORESET:+-noreset} >/dev/null 2>&1 &
    MOV_XVFB_PID=$!
    export DISPLAY=":$n" MOV_XVFB_PID
    end=$((SECONDS + 30))
    while [ $SECONDS -lt $end ] && kill -0 "$MOV_XVFB_PID" 2>/dev/null; do
      xdpyinfo >/dev/null 2>&1 && kill -0 "$MOV_XVFB_PID" 2>/dev/null && return 0
      sleep 0.1
    done
    kill "$MOV_XVFB_PID" 2>/dev/null
    n=$((n + 1))
  done
  echo "winebench: Xvfb did not start" >&2
  return 1
}

wb_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -f "$WINEPREFIX/.movani32-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wb_wine wineboot -i >/dev/null 2>&1 \
      || { echo "winebench: wineboot could not make the $MOV_WINE_ARCH prefix $WINEPREFIX" >&2; return 1; }
    "$WINESERVER" -w
    # One shared virtual desktop: programs, test tools and 'wine reg' see each other.
    # The program's dialogs ask for the Japanese system font: IPA P Gothic stands in for it.
    local v key name data
    for v in 'HKCU\Software\Wine\Explorer|Desktop|Default' 'HKCU\Software\Wine\Explorer\Desktops|Default|1024x768' \
             'HKCU\Software\Wine\Fonts\Replacements|ＭＳ Ｐゴシック|IPAPGothic'; do
      IFS='|' read -r key name data <<<"$v"
      wb_wine reg add "$key" /v "$name" /d "$data" /f >/dev/null 2>&1 \
        || { echo "winebench: could not write $key\\$name in the new prefix" >&2; return 1; }
    done
    "$WINESERVER" -w
    touch "$WINEPREFIX/.movani32-ready"
  fi
}

wb_server() { "$WINESERVER" -p >/dev/null 2>&1 || true; }

# Everything a test session needs, in order.
wb_start() {
  wb_env
  wb_display
  wb_prefix
  wb_server
}

# wb_hold_desktop BIN: the shared virtual desktop stays open until wb_stop (see movwin hold).
wb_hold_desktop() {
  [ -f "$1/movwin.exe" ] || return 0
  "$WINELOADER" "$1/movwin.exe" hold </dev/null >/dev/null 2>&1 &
}

# Also when the server has already gone (a script it ran stopped it): the X server still ends.
wb_stop() {
  if [ -n "${WINESERVER:-}" ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
  fi
  if [ -n "${MOV_XVFB_PID:-}" ]; then kill "$MOV_XVFB_PID" 2>/dev/null || true; wait "$MOV_XVFB_PID" 2>/dev/null || true; fi
  return 0
}

# A busy machine may keep the X server from answering for a moment: retry before giving up.
wb_screenshot() {
  local try
  for try in 1 2 3 4 5 6 7 8 9 10; do
    /usr/bin/import -display "$DISPLAY" -window root "$1" 2>/dev/null && return 0
    sleep 0.5
  done
  /usr/bin/import -display "$DISPLAY" -window root "$1"
}

# wb_pixel FILE X Y: the pixel's colour as RRGGBB.
wb_pixel() { /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# wb_reg_query KEY VALUE: the value's data as 'wine reg query' prints it, or nothing.
wb_reg_query() {
  wb_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { $1=""; $2=""; sub(/^  */, ""); print }'
}

# wb_winver VERSION [PROGRAM.exe]: what GetVersionExA reports (win95, win98, nt40, win2k,
# winxp, win7, ...) to programs started afterwards, to PROGRAM alone when it is named. It is
# Wine's own registry value, which both kinds of prefix honour (winecfg refuses the 9x
# versions in a 64-bit prefix). An empty VERSION removes the value: Wine's default again.
# Without arguments: prints the prefix-wide value (empty when unset).
wb_winver() {
  local key='HKCU\Software\Wine'
  [ $# -lt 2 ] || key="$key\\AppDefaults\\$2"
  if [ $# -eq 0 ]; then wb_reg_query "$key" Version; return 0; fi
  if [ -z "$1" ]; then wb_wine reg delete "$key" /v Version /f >/dev/null 2>&1 || true; return 0; fi
  wb_wine reg add "$key" /v Version /d "$1" /f >/dev/null 2>&1 \
    || { echo "winebench: could not set the Windows version $1${2:+ for $2}" >&2; return 1; }
}

# wb_wait_gone PID SECONDS: waits for a process to end; its exit code in MOV_EXIT.
wb_wait_gone() {
  local pid=$1 t=$(( $2 * 10 ))
  while [ $t -gt 0 ]; do
    if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; MOV_EXIT=$?; return 0; fi
    sleep 0.1; t=$((t - 1))
  done
  return 1
}

# Waiting for a state instead of sleeping: each helper polls until the state holds or its
# time-out (seconds, default $MOV_WAIT, 20) runs out, so a slow machine costs time, never a
# false failure. They return 1 on time-out.
MOV_WAIT=${MOV_WAIT:-20}

# wb_wait_until SECONDS COMMAND...: until COMMAND succeeds.
wb_wait_until() {
  local end=$((SECONDS + $1)); shift
  while :; do
    "$@" && return 0
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}

# wb_wait_shot FILE SECONDS CHECK...: screenshots into FILE until CHECK FILE succeeds; FILE
# then holds the screen that passed (or the last one taken).
wb_wait_shot() {
  local file=$1 secs=$2; shift 2
  _wb_shot_ok() { local f=$1; shift; wb_screenshot "$f" && "$@" "$f"; }
  wb_wait_until "$secs" _wb_shot_ok "$file" "$@"
}

# wb_pixel_is FILE X Y COLOUR|not:COLOUR
wb_pixel_is() {
  local got; got=$(wb_pixel "$1" "$2" "$3") || return 1
  case "$4" in
    not:*) [ "$got" != "${4#not:}" ] ;;
    *) [ "$got" = "$4" ] ;;
  esac
}

# wb_wait_pixel X Y COLOUR|not:COLOUR [SECONDS] [FILE]: until the screen's pixel is (not) COLOUR.
wb_wait_pixel() {
  local x=$1 y=$2 want=$3 secs=${4:-$MOV_WAIT} file=${5:-${TMPDIR:-/tmp}/wb-wait-$$.png}
  _wb_px() { wb_pixel_is "$1" "$x" "$y" "$want"; }
  wb_wait_shot "$file" "$secs" _wb_px || { echo "wb_wait_pixel: $x,$y is $(wb_pixel "$file" "$x" "$y"), wanted $want" >&2; return 1; }
}

# wb_wait_reg KEY VALUE EXPECTED [SECONDS]: until 'wine reg query' shows EXPECTED.
wb_wait_reg() {
  local key=$1 name=$2 want=$3 secs=${4:-$MOV_WAIT}
  _wb_reg() { [ "$(wb_reg_query "$key" "$name")" = "$want" ]; }
  wb_wait_until "$secs" _wb_reg
}

# wb_wait_file PATH [SECONDS] / wb_wait_no_file PATH [SECONDS]
wb_wait_file() { wb_wait_until "${2:-$MOV_WAIT}" test -e "$1"; }
wb_wait_no_file() { wb_wait_until "${2:-$MOV_WAIT}" test ! -e "$1"; }
