#!/usr/bin/env bash
# Time from Next (sent as the remote control does) to the new caption, which the program
# sets once the desktop has been given the picture: a 1024 x 768 bitmap, a 24-megapixel
# JPEG centred, and the same JPEG with the smart fit. Against the outside steps alone
# (JpegToBmp, then the smart fit) timed in the same desktop: the rest is the change cycle's
# own share. Prints; asserts nothing.
#   bash bench/change_latency.sh [RUNS]   (default 5)
source "$(dirname "$0")/wine_bench_lib.sh"
RUNS=${1:-5}
DATA="$MOV_BUILD/bench-data/change"
mkdir -p "$DATA/bmp" "$DATA/jpeg" "$DATA/out"
[ -s "$DATA/a.bmp" ] || /usr/bin/convert -size 1024x768 gradient:navy-orange BMP3:"$DATA/a.bmp"
[ -s "$DATA/a.jpg" ] || /usr/bin/convert -size 6000x4000 -seed 3 plasma:fractal -quality 90 "$DATA/a.jpg"
# One picture under RUNS + 2 names: every Next stays inside the group (a move to another
# group adds the scan's one-second wait).
rm -f "$DATA"/bmp/* "$DATA"/jpeg/*
for ((i = 0; i < RUNS + 2; i++)); do
  cp "$DATA/a.bmp" "$DATA/bmp/p$i.bmp"
  cp "$DATA/a.jpg" "$DATA/jpeg/p$i.jpg"
done
set_mode Interval REG_DWORD 60
set_mode TileWallPaper REG_DWORD 0

# run_case LABEL FOLDER ADJUST: prints and sets TOTAL (median ms from Next to the caption).
run_case() {
  set_groups "$2"
  set_mode Adjust REG_SZ "$3"
  start_movani
  local t=() i
  for ((i = 0; i < RUNS; i++)); do t+=("$(movbench timed 32774)"); done
  quit_movani
  TOTAL=$(median "${t[@]}")
  printf '%-22s Next to caption: median %8.1f ms  (runs: %s)\n' "$1" "$TOTAL" "${t[*]}"
}

jpeg=() fit=() dbig=() dfit=()
for ((i = 0; i < RUNS; i++)); do
  read -r _ j _ f _ db _ df < <("$WINELOADER" "$BIN/movbench.exe" outside "$(winpath "$DATA/a.jpg")" \
    "$(winpath "$DATA/out/a.bmp")" "$(winpath "$DATA/out/a2.bmp")" | tr -d '\r')
  jpeg+=("$j"); fit+=("$f"); dbig+=("$db"); dfit+=("$df")
done
J=$(median "${jpeg[@]}"); F=$(median "${fit[@]}"); DB=$(median "${dbig[@]}"); DF=$(median "${dfit[@]}")
printf 'outside steps alone:   JpegToBmp median %.0f ms, smart fit median %.0f ms\n' "$J" "$F"
printf "the desktop's own load (SPI_SETDESKWALLPAPER): 6000x4000 bitmap %.0f ms, 1024x768 %.0f ms\n" "$DB" "$DF"
sum() { awk -v a="$1" -v b="$2" -v c="${3:-0}" -v d="${4:-0}" 'BEGIN{print a+b+c+d}'; }

share() { awk -v t="$1" -v o="$2" 'BEGIN { printf "%.1f ms of %.1f ms = %.1f %%", t - o, t, 100 * (t - o) / t }'; }
# Next arms a 100 ms tick: that wait is part of every total.
run_case "1024x768 BMP centred" "$DATA/bmp" No
echo "  beyond the outside steps: $(share "$TOTAL" 0)"
echo "  beyond them, the 100 ms tick and the desktop's load: $(share "$TOTAL" "$(sum 100 "$DF")")"
run_case "24 MP JPEG centred" "$DATA/jpeg" No
echo "  cycle's own share: $(share "$TOTAL" "$J")"
echo "  beyond them, the 100 ms tick and the desktop's load: $(share "$TOTAL" "$(sum "$J" 100 "$DB")")"
run_case "24 MP JPEG Smart" "$DATA/jpeg" Smart
echo "  cycle's own share: $(share "$TOTAL" "$(sum "$J" "$F")")"
echo "  beyond them, the 100 ms tick and the desktop's load: $(share "$TOTAL" "$(sum "$J" "$F" 100 "$DF")")"
