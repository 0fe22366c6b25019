#!/usr/bin/env bash
# Fills the LHA fuzz seed folder: the hand-made archives, tiny jlha archives of every
# header level and method, and the archives of lhasa's test corpus when its source package
# is there. Usage: lha_make_seeds.sh LHA_SEEDS_PROGRAM OUTDIR [LHASA_SOURCE_DIR]
set -euo pipefail
gen=$1
out=$2
mkdir -p "$out"
if [ -n "${3:-}" ] && [ -d "$3" ]; then
  # Only the small ones: long members slow every run and add no new header kinds.
  find "$3" -path '*/test/archives/*' -type f -size -16k ! -name README | while read -r f; do
    cp -u "$f" "$out/corpus-$(basename "$(dirname "$f")")-$(basename "$f")"
  done
fi
"$gen" "$out"
[ -f "$out/.done" ] && exit 0
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
