#!/usr/bin/env bash
# Smart-fit benchmark: our scale-to-fit (the portable core that _Quillet runs, built
# natively with optimisation, no sanitizers) against ImageMagick's `convert -resize` to
# the same size, in the same invocation. Prints median wall time and peak memory (max
# RSS from /usr/bin/time) of each, their ratios, and our peak against the goal of
# source + output + 10 %. Prints; asserts nothing.
#   bash bench/smartfit.sh [RUNS]   (default 5)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${MOV_BUILD:-$ROOT/build}
RUNS=${1:-5}
CONVERT=/usr/bin/convert  # never a stand-in on PATH
DATA=$BUILD/bench-data
mkdir -p "$DATA"

cmake -S "$ROOT" -B "$BUILD/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOV_SANITIZE=OFF >/dev/null
cmake --build "$BUILD/bench" --target smartfit_bench >/dev/null
TOOL=$BUILD/bench/bench/smartfit_bench

# Photograph-like sources (smooth shading plus noise), made once.
make_source() {  # w h path
  [ -s "$3" ] && return 0
  "$CONVERT" -size "$1x$2" -seed 7 plasma:fractal -attenuate 0.4 +noise Gaussian -type TrueColor "bmp3:$3"
}

# run_once OUTFILE CMD...: sets T_MS (wall time) and RSS_KB (peak resident set).
run_once() {
  local rssfile=$DATA/rss.txt t0 t1
  t0=$(date +%s%N)
  /usr/bin/time -f %M -o "$rssfile" "$@" >/dev/null 2>&1
  t1=$(date +%s%N)
  T_MS=$(( (t1 - t0) / 1000000 ))
  RSS_KB=$(tail -1 "$rssfile")
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

bench_case() {  # label srcW srcH screenW screenH
  local label=$1 src=$DATA/src-$2x$3.bmp ours=$DATA/ours.bmp theirs=$DATA/theirs.bmp
  make_source "$2" "$3" "$src"
  rm -f "$ours"
  "$TOOL" "$src" "$ours" "$4" "$5"  # warm the cache; learn the output size
  local size ow oh
  size=$("$CONVERT" "$ours" -format '%w %h' info:)
  ow=${size% *}; oh=${size#* }
  local ot=() orss=() it=() irss=() i
  for ((i = 0; i < RUNS; i++)); do
    run_once "$TOOL" "$src" "$ours" "$4" "$5"; ot+=("$T_MS"); orss+=("$RSS_KB")
    run_once "$CONVERT" "$src" -resize "${ow}x${oh}!" -type TrueColor "bmp3:$theirs"; it+=("$T_MS"); irss+=("$RSS_KB")
  done
  local mo mi ro ri srcKB outKB goal
  mo=$(median "${ot[@]}"); mi=$(median "${it[@]}")
  ro=$(median "${orss[@]}"); ri=$(median "${irss[@]}")
  srcKB=$(( $2 * $3 * 3 / 1024 )); outKB=$(( ow * oh * 3 / 1024 ))
  goal=$(( (srcKB + outKB) * 11 / 10 ))
  printf '%s: %dx%d -> %dx%d (screen %dx%d), %d runs\n' "$label" "$2" "$3" "$ow" "$oh" "$4" "$5" "$RUNS"
  printf '  time     ours %6d ms   convert %6d ms   ours/convert %s\n' "$mo" "$mi" "$(ratio "$mo" "$mi")"
  printf '  peak RSS ours %6s MB   convert %6s MB   ours/convert %s\n' "$(mb "$ro")" "$(mb "$ri")" "$(ratio "$ro" "$ri")"
  printf '  goal: source %s MB + output %s MB + 10%% = %s MB; ours/goal %s\n' \
    "$(mb "$srcKB")" "$(mb "$outKB")" "$(mb "$goal")" "$(ratio "$ro" "$goal")"
}

echo "convert: $("$CONVERT" -version | head -1)"
bench_case "shrink" 6000 4000 1024 768
bench_case "enlarge" 1920 1080 2560 1440
