#!/usr/bin/env bash
# Cross-builds Debian's libjpeg-turbo (static, NASM SIMD) for one MinGW target into PREFIX.
# Usage: libjpeg-turbo.sh TRIPLE PREFIX SRCDIR. Returns at once when PREFIX already has it.
set -euo pipefail
TRIPLE=$1 PREFIX=$2 SRCDIR=$3
STAMP=$PREFIX/.libjpeg-turbo-done
if [ -f "$STAMP" ] && [ -f "$PREFIX/lib/libjpeg.a" ] && [ -f "$PREFIX/include/jpeglib.h" ]; then
  exit 0
fi

case "$TRIPLE" in
  i686-*) proc=x86 ;;
  x86_64-*) proc=AMD64 ;;
  *) echo "libjpeg-turbo: unknown target $TRIPLE" >&2; exit 1 ;;
esac

# Unpack the source package once (Debian's patches applied), shared by both targets.
mkdir -p "$SRCDIR"
src=$(find "$SRCDIR" -maxdepth 1 -type d -name 'libjpeg-turbo-[0-9]*' | sort | tail -n 1)
if [ -z "$src" ] || [ ! -f "$src/CMakeLists.txt" ]; then
  (cd "$SRCDIR" && apt-get source --download-only -q libjpeg-turbo) >"$SRCDIR/libjpeg-turbo-fetch.log" 2>&1 ||
    { cat "$SRCDIR/libjpeg-turbo-fetch.log" >&2; exit 1; }
  dsc=$(ls "$SRCDIR"/libjpeg-turbo_*.dsc | sort | tail -n 1)
  (cd "$SRCDIR" && dpkg-source --no-check -x "$(basename "$dsc")" >/dev/null)
  src=$(find "$SRCDIR" -maxdepth 1 -type d -name 'libjpeg-turbo-[0-9]*' | sort | tail -n 1)
fi

echo "libjpeg-turbo: building $(basename "$src") for $TRIPLE"
bld=$SRCDIR/libjpeg-turbo-build-$TRIPLE
rm -rf "$bld"
# REQUIRE_SIMD: a missing NASM must fail the build, not quietly give a slow library.
cmake -S "$src" -B "$bld" -G Ninja \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=$proc \
  -DCMAKE_C_COMPILER="$TRIPLE-gcc-win32" -DCMAKE_RC_COMPILER="$TRIPLE-windres" \
  -DCMAKE_ASM_NASM_COMPILER=nasm \
  -DCMAKE_FIND_ROOT_PATH="/usr/$TRIPLE" \
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER \
  -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=ON -DREQUIRE_SIMD=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF >"$bld.log" 2>&1 || { cat "$bld.log" >&2; exit 1; }
cmake --build "$bld" -j "${MOV_JOBS:-$(nproc)}" --target jpeg-static >>"$bld.log" 2>&1 || { tail -n 40 "$bld.log" >&2; exit 1; }

# Only the library and its headers: the command-line tools are not needed for Windows.
mkdir -p "$PREFIX/lib" "$PREFIX/include"
cp "$bld/libjpeg.a" "$PREFIX/lib/libjpeg.a"
cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$bld/jconfig.h" "$PREFIX/include/"
touch "$STAMP"
