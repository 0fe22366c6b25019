#!/usr/bin/env bash
# 1,000 changes by Next over bitmaps, JPEGs and archive members: the program's GDI and USER
# objects, handles and private memory at 0, 100 and 1,000 changes, and what TEMP holds
# afterwards; then 1,000 JPEG changes and 1,000 smart fits, with private memory after 100
# and 1,000 of each. Then idle: private memory against an empty window program under the same
# Wine, and CPU time over one idle minute of each. Prints; asserts nothing.
#   bash bench/soak.sh [CHANGES] [libs]   (default 1000; "libs": the JPEG and smart-fit phases only)
source "$(dirname "$0")/wine_bench_lib.sh"
N=${1:-1000}
PHASES=${2:-all}
DATA="$MOV_BUILD/bench-data/soak"
rm -rf "$DATA"; mkdir -p "$DATA/pics" "$DATA/arc"
for i in $(seq -w 1 30); do /usr/bin/convert -size 64x48 xc:"#$((10#$i * 8 % 90 + 10))40a0" BMP3:"$DATA/pics/p$i.bmp"; done
for i in $(seq -w 1 15); do /usr/bin/convert -size 64x48 xc:"#a0$((10#$i * 5 % 90 + 10))40" -quality 90 "$DATA/pics/j$i.jpg"; done
for i in $(seq -w 1 8); do
  /usr/bin/convert -size 64x48 xc:"#40a0$((10#$i * 9 % 90 + 10))" BMP3:"$DATA/arc/m$i.bmp"
  /usr/bin/convert -size 64x48 xc:"#$((10#$i * 9 % 90 + 10))a040" -quality 90 "$DATA/arc/n$i.jpg"
done
( cd "$DATA/arc" && lha a ../pics.lzh m*.bmp n*.jpg >/dev/null )
set_groups "$DATA/pics" "$DATA/pics.lzh"
set_mode Interval REG_DWORD 60
set_mode Adjust REG_SZ No
temp=$("$WINELOADER" winepath -u "$(wb_wine cmd /c echo %TEMP% | tr -d '\r')" 2>/dev/null | tr -d '\r')
rm -rf "${temp:?}"/*

if [ "$PHASES" = all ]; then
  start_movani
  t0=$SECONDS
  movbench soak "$N"
  echo "$N changes in $((SECONDS - t0)) s"
  echo "TEMP afterwards: $(cd "$temp" && ls -A | tr '\n' ' ')"
fi

# N JPEG changes, then N smart fits (each loads and frees its library): the program's private
# memory as Linux counts it (Private_Dirty) after 100 changes and after N.
private_kb() { awk '/^Private_Dirty:/ { print $2 }' "/proc/$MOVANI_PID/smaps_rollup"; }
soak_phase() {  # WHAT
  movbench soak 100 >/dev/null || { echo "$1: a change did not come" >&2; return 1; }
  local at100; at100=$(private_kb)
  movbench soak $((N - 100)) >/dev/null || { echo "$1: a change did not come" >&2; return 1; }
  local atn; atn=$(private_kb)
  echo "$1: private memory $at100 kB after 100 changes, $atn kB after $N: $((atn - at100)) kB more"
}
[ -z "$MOVANI_PID" ] || quit_movani
mkdir -p "$DATA/jpegs" && cp "$DATA"/pics/j*.jpg "$DATA/jpegs/"
set_groups "$DATA/jpegs"
start_movani
soak_phase "JPEG changes"
quit_movani
set_groups "$DATA/pics"
set_mode Adjust REG_SZ Smart
start_movani
soak_phase "smart fits"
quit_movani
set_mode Adjust REG_SZ No
[ "$PHASES" = all ] || exit 0
set_groups "$DATA/pics" "$DATA/pics.lzh"
start_movani

# Idle: one tick every 10 s, nothing else.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
( cd "$BIN" && exec "$WINELOADER" empty_window.exe ) &
EMPTY_PID=$!
trap 'kill "$EMPTY_PID" 2>/dev/null; stop_all' EXIT
wb_wait_until 60 "$WINELOADER" "$BIN/movbench.exe" resources MovBenchEmpty >/dev/null
quit_movani
start_movani
sleep 5  # let start-up settle before the idle minute
a0=$(cpu_ticks "$MOVANI_PID"); e0=$(cpu_ticks "$EMPTY_PID")
sleep 60
a1=$(cpu_ticks "$MOVANI_PID"); e1=$(cpu_ticks "$EMPTY_PID")
hz=$(getconf CLK_TCK)
echo "idle Movani32:     $(movbench resources)  cpu $(awk -v t=$((a1 - a0)) -v h="$hz" 'BEGIN{printf "%.2f s/min", t/h}')"
echo "idle empty window: $(movbench resources MovBenchEmpty)  cpu $(awk -v t=$((e1 - e0)) -v h="$hz" 'BEGIN{printf "%.2f s/min", t/h}')"
quit_movani
kill "$EMPTY_PID" 2>/dev/null || true
