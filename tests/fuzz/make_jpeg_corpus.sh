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
python3 - "$out/baseline420.jpg" "$out/exif6.jpg" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
tiff = b'MM' + struct.pack('>HI', 42, 8) + struct.pack('>H', 1) + struct.pack('>HHIHH', 0x0112, 3, 1, 6, 0) + b'\0\0\0\0'
body = b'Exif\0\0' + tiff
open(sys.argv[2], 'wb').write(data[:2] + b'\xff\xe1' + struct.pack('>H', len(body) + 2) + body + data[2:])
PY
