#!/usr/bin/env bash
# Idle memory with one group of 10,000 pictures listed: the private pages of Movani32 beside
# those of an empty window program (bench/empty_window.cpp) started in the same desktop, both
# in total (Private_Dirty, as Linux counts it) and by mapping from /proc/PID/smaps: each
# program's own image, Wine's Windows DLLs, Wine's Unix libraries, the Unix heap, and anonymous
# memory (Windows heaps and thread stacks). Prints; asserts nothing.
#   bash bench/idle_memory.sh [PICTURES]   (default 10000)
source "$(dirname "$0")/wine_bench_lib.sh"
N=${1:-10000}
DATA="$MOV_BUILD/bench-data/idle"
mkdir -p "$DATA/pics"
[ -s "$DATA/one.bmp" ] || /usr/bin/convert -size 64x48 xc:'#4060a0' BMP3:"$DATA/one.bmp"
if [ "$(find "$DATA/pics" -name '*.bmp' | wc -l)" -ne "$N" ]; then
  rm -rf "$DATA/pics" && mkdir -p "$DATA/pics"
  # Hard links: ten thousand real pictures in a moment and no space.
  python3 -c 'import os, sys
for i in range(int(sys.argv[2])): os.link(sys.argv[1], "%s/p%05d.bmp" % (sys.argv[3], i))' \
    "$DATA/one.bmp" "$N" "$DATA/pics"
fi
set_groups "$DATA/pics"
set_mode Interval REG_DWORD 60
set_mode Adjust REG_SZ No

# by_mapping PID: kB of private pages per kind of mapping, one "kind kB" line each.
by_mapping() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / { name = $6; kind = "anonymous (Windows heaps, stacks)"
      if (name ~ /\.exe$/) kind = "the program'"'"'s own image"
      else if (name ~ /\.(dll|drv|sys|cpl|ocx)$/) kind = "Wine Windows DLLs"
      else if (name ~ /\.so(\.[0-9.]+)?$/) kind = "Unix libraries"
      else if (name == "[heap]") kind = "Unix heap"
      else if (name ~ /^\[/) kind = "other Unix areas " name
      else if (name != "") kind = "other files"
      next }
    /^Private_Dirty:/ { kb[kind] += $2 }
    END { for (k in kb) printf "%s|%d\n", k, kb[k] }' "/proc/$1/smaps" | sort
}
private_kb() { awk '/^Private_Dirty:/ { print $2 }' "/proc/$1/smaps_rollup"; }

( cd "$BIN" && exec "$WINELOADER" empty_window.exe ) &
EMPTY_PID=$!
trap 'kill "$EMPTY_PID" 2>/dev/null; stop_all' EXIT
wb_wait_until 60 "$WINELOADER" "$BIN/movbench.exe" resources MovBenchEmpty >/dev/null
start_movani
sleep 15  # start-up settles; then one 10 s tick at rest
m=$(by_mapping "$MOVANI_PID"); e=$(by_mapping "$EMPTY_PID")
mt=$(private_kb "$MOVANI_PID"); et=$(private_kb "$EMPTY_PID")
printf '%-40s %10s %12s %10s\n' "private pages, kB" "Movani32" "empty window" "more"
{ printf '%s\n' "$m" "$e" | cut -d'|' -f1 | sort -u; } | while read -r k; do
  a=$(printf '%s\n' "$m" | awk -F'|' -v k="$k" '$1 == k { print $2 }')
  b=$(printf '%s\n' "$e" | awk -F'|' -v k="$k" '$1 == k { print $2 }')
  printf '%-40s %10d %12d %10d\n' "$k" "${a:-0}" "${b:-0}" "$((${a:-0} - ${b:-0}))"
done
printf '%-40s %10d %12d %10d\n' "total (Private_Dirty)" "$mt" "$et" "$((mt - et))"
echo "Windows' view: Movani32 $(movbench resources); empty window $(movbench resources MovBenchEmpty)"
echo "files listed: $(movwin items 57347 | wc -l)"
quit_movani
kill "$EMPTY_PID" 2>/dev/null || true
