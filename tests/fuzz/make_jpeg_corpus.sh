#!/usr/bin/env bash
# Makes the small seed files of corpus/jpeg (kept in the repository): one of each kind.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)/corpus/jpeg
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
im=/usr/bin/convert
$im -seed 3 -size 16x16 plasma:red-blue "$tmp/src.ppm"
$im "$tmp/src.ppm" -quality 75 -sampling-factor 2x2 "$out/baseline420.jpg"
$im "$tmp/src.ppm" -quality 75 -sampling-factor 1x1 "$out/baseline444.jpg"
$im "$tmp/src.ppm" -quality 75 -interlace Plane "$out/progressive.jpg"
$im "$tmp/src.ppm" -colorspace Gray -quality 75 "$out/grey.jpg"
$im "$tmp/src.ppm" -colorspace CMYK -quality 75 "$out/cmyk.jpg"
cjpeg -quality 75 -restart 1 -sample 2x1 -outfile "$out/restart422.jpg" "$tmp/src.ppm"
# Orientation 6 in a big-endian EXIF block after SOI.
{ head -c 2 "$out/baseline420.jpg"
  printf '\xff\xe1\x00\x22Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08\x00\x01'
  printf '\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00\x00\x00\x00\x00'
  tail -c +3 "$out/baseline420.jpg"; } > "$out/exif6.jpg"
