#!/usr/bin/env bash
# Makes the LHA test archives with Debian's jlha (Java) from pictures made by ImageMagick:
#   lv0.lzh lv1.lzh lv2.lzh  header levels 0, 1, 2 (-lh5-);  lh6.lzh lh7.lzh  methods;
#   stored.lzh  -lh0- only;  zeros.lzh  1 MiB of zeros (a tiny packed size).
# Each holds pic.bmp, sub/deep.bmp, 画像.bmp (Shift-JIS in the archive) and noise.jpg.
# Usage: lha_make_fixtures.sh OUTDIR. Does nothing when OUTDIR is already complete.
set -euo pipefail
out=$1
[ -f "$out/.done" ] && exit 0
rm -rf "$out"
mkdir -p "$out/files/sub"
cd "$out/files"
/usr/bin/convert -size 320x240 gradient:red-blue BMP3:pic.bmp
/usr/bin/convert -size 200x100 plasma:fractal -seed 7 BMP3:sub/deep.bmp
/usr/bin/convert -size 160x120 gradient:green-yellow BMP3:画像.bmp
head -c 50000 /dev/urandom > noise.jpg
head -c 1048576 /dev/zero > zeros.bmp
# jlha writes names in Shift-JIS when it reads the file names as UTF-8.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
members=(pic.bmp sub/deep.bmp 画像.bmp noise.jpg)
make() { jlha "$1" "$out/$2" "${@:3}" >/dev/null 2>&1 || { echo "jlha $1 $2 failed" >&2; exit 1; }; }
make a0 lv0.lzh "${members[@]}"
make a1 lv1.lzh "${members[@]}"
make a2 lv2.lzh "${members[@]}"
make a2o6 lh6.lzh "${members[@]}"
make a2o7 lh7.lzh "${members[@]}"
make a2z stored.lzh "${members[@]}"
make a2 zeros.lzh zeros.bmp
touch "$out/.done"
