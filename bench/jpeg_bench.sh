#!/usr/bin/env bash
# JPEG -> BMP on a 24-megapixel photo-like picture: our converter against djpeg -bmp and
# ImageMagick, run in turn in this one invocation. Prints median wall time and peak
# memory (/usr/bin/time -v) of each, and our ratios. Usage: bench/jpeg_bench.sh [RUNS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-5}
B=${MOV_BUILD:-$ROOT/build}/bench
mkdir -p "$B"

# An optimised build without sanitizers, apart from the test builds.
if [ ! -f "$B/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$B" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOV_SANITIZE=OFF >/dev/null
fi
cmake --build "$B" --target jpeg_bench_cli >/dev/null
CLI=$B/components/jpeg/jpeg_bench_cli

PHOTO=$B/photo24mp.jpg
if [ ! -f "$PHOTO" ]; then
  echo "making a 6000x4000 photo-like JPEG (once)..."
  # Smooth fields plus fine grain, as a camera picture has; 4:2:0 at quality 90.
  /usr/bin/convert -seed 11 -size 1500x1000 plasma:tan-steelblue -resize 6000x4000! \
    \( -size 6000x4000 xc:gray50 +noise Gaussian -colorspace Gray \) -compose overlay -composite \
    -quality 90 -sampling-factor 2x2 "$PHOTO"
fi
# The same picture with EXIF orientation 6 (the turned case holds the whole picture).
ROT=$B/photo24mp-rot6.jpg
if [ ! -f "$ROT" ]; then
  # APP1 right after SOI: "Exif\0\0", little-endian TIFF, one IFD0 entry: orientation (0x0112) = 6.
  { head -c 2 "$PHOTO"
    printf '\xff\xe1\x00\x22Exif\x00\x00II\x2a\x00\x08\x00\x00\x00\x01\x00'
    printf '\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00\x00\x00\x00\x00'
    tail -c +3 "$PHOTO"; } > "$ROT"
fi

# measure NAME COMMAND...: one run, appends "seconds kilobytes" to $B/NAME.runs
measure() {
  local name=$1; shift
  /usr/bin/time -v -o "$B/time.txt" "$@" >/dev/null 2>&1
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i] }
              /Maximum resident set size/ { kb = $2 }
              END { printf "%.3f %d\n", s, kb }' "$B/time.txt" >> "$B/$name.runs"
}

tools=(ours djpeg imagemagick ours_rot6)
for t in "${tools[@]}"; do : > "$B/$t.runs"; done
for _ in $(seq "$RUNS"); do  # interleaved, so load from others on the machine hits all alike
  measure ours "$CLI" "$PHOTO" "$B/ours.bmp"
  measure djpeg djpeg -bmp -outfile "$B/djpeg.bmp" "$PHOTO"
  measure imagemagick /usr/bin/convert "$PHOTO" "bmp3:$B/im.bmp"
  measure ours_rot6 "$CLI" "$ROT" "$B/ours-rot6.bmp"
done

median() {  # column of a .runs file
  sort -n -k"$2" "$B/$1.runs" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "JPEG -> BMP, $(identify -format '%wx%h' "$PHOTO") ($(($(stat -c %s "$PHOTO") / 1024)) KiB), median of $RUNS runs"
printf '%-22s %10s %14s\n' tool "time (s)" "peak RSS (MiB)"
for t in "${tools[@]}"; do
  printf '%-22s %10.3f %14.1f\n' "$t" "$(median "$t" 1)" "$(awk -v k="$(median "$t" 2)" 'BEGIN { print k / 1024 }')"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'; }
echo "ours / djpeg:        time $(ratio "$(median ours 1)" "$(median djpeg 1)"), memory $(ratio "$(median ours 2)" "$(median djpeg 2)")"
echo "ours / ImageMagick:  time $(ratio "$(median ours 1)" "$(median imagemagick 1)"), memory $(ratio "$(median ours 2)" "$(median imagemagick 2)")"
echo "ours_rot6 / djpeg:   time $(ratio "$(median ours_rot6 1)" "$(median djpeg 1)"), memory $(ratio "$(median ours_rot6 2)" "$(median djpeg 2)")"
# Same pixels as djpeg (the headers differ only in the resolution fields).
cmp -s <(tail -c +55 "$B/ours.bmp") <(tail -c +55 "$B/djpeg.bmp") && echo "pixels: identical to djpeg" || echo "pixels: DIFFER from djpeg"
