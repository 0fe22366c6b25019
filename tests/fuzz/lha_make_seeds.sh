#!/usr/bin/env bash
# Fills the LHA fuzz seed folder: the hand-made archives, and tiny jlha archives of every
# header level and method. Usage: lha_make_seeds.sh LHA_SEEDS_PROGRAM OUTDIR
set -euo pipefail
gen=$1
out=$2
[ -f "$out/.done" ] && exit 0
mkdir -p "$out"
"$gen" "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir sub
seq 1 60 > small.bmp
printf 'BM%0200d' 0 > sub/flat.bmp
for o in a0 a1 a2 a2o6 a2o7 a2z; do
  jlha "$o" "$out/jlha-$o.lzh" small.bmp sub/flat.bmp >/dev/null 2>&1
done
touch "$out/.done"
