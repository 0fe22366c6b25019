#!/usr/bin/env bash
# make_test_lzh.sh OUT: a small LHA archive of pictures and a text file for the scan tests.
set -euo pipefail
out=$(realpath -m "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$out")"
cd "$work"
printf 'BM' > a.bmp
printf '\377\330' > c.jpg
printf 'notes' > notes.txt
printf 'BM' > d.Bmp
rm -f "$out"
lha a "$out" a.bmp c.jpg notes.txt d.Bmp >/dev/null
