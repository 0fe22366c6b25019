#!/usr/bin/env bash
# Benchmark: unpacking a 50 MB member (-lh5-, made by jlha) with our archive core against
# lhasa's own command-line tool in the same run. Prints the median of RUNS timings each
# and the ratio ours / lhasa. Usage: bash bench/lha_unpack.sh [RUNS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-5}
W=${MOV_BUILD:-$ROOT/build}/bench-lha
mkdir -p "$W"
cd "$W"

# The tool: our core, optimised, no sanitizers (as the shipped DLL is built).
core=(lha_archive lha_command_line lha_crc16 lha_folder_sink lha_names lha_ops lha_source)
srcs=("$ROOT/bench/lha_unpack_tool.cpp")
for c in "${core[@]}"; do srcs+=("$ROOT/components/lha/$c.cpp"); done
if [ ! -x tool ] || [ -n "$(find "${srcs[@]}" "$ROOT"/components/lha/*.h -newer tool 2>/dev/null)" ]; then
  g++ -std=c++17 -O2 -DNDEBUG -I"$ROOT" $(pkg-config --cflags liblhasa) "${srcs[@]}" \
      $(pkg-config --libs liblhasa) -o tool
fi

# The member: a 50 MB picture-like bitmap (a gradient with noise), archived once.
if [ ! -f big.lzh ]; then
  echo "making the 50 MB member and its archive (once)..."
  /usr/bin/convert -size 4096x4096 gradient:navy-orange -attenuate 0.3 +noise Uniform -depth 8 BMP3:big.bmp
  jlha a2o5 big.lzh big.bmp >/dev/null
  mv big.bmp original.bmp
fi
size=$(stat -c %s original.bmp)
packed=$(stat -c %s big.lzh)

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
now() { date +%s.%N; }
run() {  # label command...
  local t=()
  for _ in $(seq "$RUNS"); do
    rm -rf out && mkdir out
    local t0 t1
    t0=$(now)
    "$@" >/dev/null
    t1=$(now)
    cmp -s out/big.bmp original.bmp || { echo "$1: output differs" >&2; exit 1; }
    t+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.4f", b - a}')")
  done
  printf '%s\n' "${t[@]}" | median
}
ours=$(run ./tool big.lzh out/ big.bmp)
theirs=$(run lhasa xq2fw=out big.lzh)
rm -rf out
printf 'member: %d bytes unpacked from %d (-lh5-), %d runs each\n' "$size" "$packed" "$RUNS"
printf '%-28s %8.3f s\n' "ours (lha core, -O2)" "$ours" "lhasa x" "$theirs"
awk -v a="$ours" -v b="$theirs" 'BEGIN {printf "ratio ours / lhasa: %.2f\n", a / b}'
