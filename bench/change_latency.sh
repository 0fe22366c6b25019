#!/usr/bin/env bash
# Time from Next (sent as the remote control does) to the new caption, which the program
# sets once the desktop has been given the picture: a 1024 x 768 bitmap, a 24-megapixel
# JPEG centred, and the same JPEG with the smart fit. Against the outside steps alone on the
# whole picture (JpegToBmp, then the smart fit) timed in the same desktop; the program
# converts only what the screen shows of it. The program alone runs with Wine's
# +timestamp,+debugstr: its step marks give the median time of each step of the change, one
# column per case. Prints; asserts nothing.
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

# step_times LOG OFFSET: "step|ms" for each begin/end pair of marks after byte OFFSET.
step_times() {
  tail -c +$(($2 + 1)) "$1" | awk '
    match($0, /Movani32 step [^"\\]+ (begin|end)/) {
      t = substr($0, 1, index($0, ":") - 1) * 1000
      m = substr($0, RSTART + 14, RLENGTH - 14)
      edge = m; sub(/.* /, "", edge); name = m; sub(/ [a-z]+$/, "", name)
      if (edge == "begin") start[name] = t
      else if (name in start) { printf "%s|%.0f\n", name, t - start[name]; delete start[name] }
    }'
}
STEPS=(selection "changing shown" conversion desktop placement "smart fit" "desktop values" "wallpaper call"
  "active desktop" "positions saved" caption change)
declare -A STEP_MS

# run_case KEY LABEL FOLDER ADJUST: prints and sets TOTAL (median ms from Next to the caption),
# and STEP_MS[KEY,step] (median ms of each step over the timed changes).
run_case() {
  touch "$DATA/start-$1"
  set_groups "$3"
  set_mode Adjust REG_SZ "$4"
  MOV_STEP_LOG="$DATA/steps-$1.log" start_movani
  local off t=() i s
  off=$(stat -c %s "$DATA/steps-$1.log")
  for ((i = 0; i < RUNS; i++)); do t+=("$(movbench timed 32774)"); done
  # What the changes leave in the program: the desktop's copy of a picture is not ours to hold.
  local kb; kb=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$MOVANI_PID/smaps_rollup")
  # The desktop's copy of it, and the work bitmap it was given (none for a bitmap shown as it is).
  local dkb; dkb=$(desktop_private_kb)
  local work; work=$(find "$WINEPREFIX/drive_c" -iname '*.bmp' -ipath '*temp*' -newer "$DATA/start-$1" -printf '%T@ %s %p\n' |
    sort -n | tail -1 | cut -d' ' -f2-)
  [ -z "$work" ] || cp "${work#* }" "$DATA/out/work-$1.bmp"
  quit_movani
  TOTAL=$(median "${t[@]}")
  printf '%-22s Next to caption: median %8.1f ms  (runs: %s)  private memory after: %d kB\n' \
    "$2" "$TOTAL" "${t[*]}" "$kb"
  STEP_MS[$1,"desktop private (kB)"]=$dkb
  STEP_MS[$1,"work bitmap (bytes)"]=${work%% *}
  local times; times=$(step_times "$DATA/steps-$1.log" "$off")
  local rest=$TOTAL
  for s in "${STEPS[@]}"; do
    local v; v=$(printf '%s\n' "$times" | awk -F'|' -v s="$s" '$1 == s { print $2 }')
    [ -n "$v" ] || continue
    STEP_MS[$1,$s]=$(median $v)
  done
  # What no mark covers: the 100 ms tick Next arms, the tick's guards, the caption's polling.
  for s in selection "changing shown" conversion desktop "positions saved" caption; do rest=$(awk -v a="$rest" -v b="${STEP_MS[$1,$s]:-0}" 'BEGIN{print a-b}'); done
  STEP_MS[$1,"not marked (tick wait, guards)"]=$rest
  STEP_MS[$1,"Next to caption"]=$TOTAL
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
run_case bmp "1024x768 BMP centred" "$DATA/bmp" No
echo "  beyond the outside steps: $(share "$TOTAL" 0)"
echo "  beyond them, the 100 ms tick and the desktop's load: $(share "$TOTAL" "$(sum 100 "$DF")")"
# A JPEG larger than the screen is converted only as far as the screen needs: its change is
# held against the whole conversion alone plus the tick's wait (and 50 ms for a smart fit).
budget() { awk -v t="$1" -v b="$2" 'BEGIN { printf "%.1f ms against %.1f ms: %s by %.1f ms", t, b, (t <= b ? "within" : "OVER"), (t > b ? t - b : b - t) }'; }
run_case jpeg "24 MP JPEG centred" "$DATA/jpeg" No
echo "  against the whole conversion alone + 100 ms: $(budget "$TOTAL" "$(sum "$J" 100)")"
run_case smart "24 MP JPEG Smart" "$DATA/jpeg" Smart
echo "  against the whole conversion alone + 150 ms: $(budget "$TOTAL" "$(sum "$J" 150)")"
# The fit made by the program against the fit of the whole conversion by the outside steps.
echo "  PSNR against the smart fit of the whole picture: $(/usr/bin/compare -metric PSNR "$DATA/out/work-smart.bmp" \
  "$DATA/out/a2.bmp" null: 2>&1 || true) dB"

# The steps, median ms over the timed changes ("-": the step did not run). "desktop" holds
# placement to wallpaper call; "change" holds the steps from "changing shown" on and ends after
# the caption, with the tray icon put back; "not marked" is the total less the steps up to the caption.
echo
printf '%-32s %10s %12s %12s\n' "step (median ms)" "BMP" "JPEG centred" "JPEG smart"
# Then the desktop process's private memory with each case's wallpaper and the size of the
# bitmap it was given.
for s in "${STEPS[@]}" "not marked (tick wait, guards)" "Next to caption" "desktop private (kB)" "work bitmap (bytes)"; do
  printf '%-32s %10s %12s %12s\n' "$s" "${STEP_MS[bmp,$s]:--}" "${STEP_MS[jpeg,$s]:--}" "${STEP_MS[smart,$s]:--}"
done
