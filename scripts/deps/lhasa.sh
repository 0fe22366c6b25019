#!/usr/bin/env bash
# Cross-builds Debian's lhasa (LHA decompression library) as a static library for Windows.
# Usage: lhasa.sh TRIPLE PREFIX SRCDIR. Installs PREFIX/lib/liblhasa.a, the public headers
# under PREFIX/include/liblhasa-1.0 and PREFIX/lib/pkgconfig/liblhasa.pc; the unpacked source
# package stays in SRCDIR/lhasa.
# The library is plain C without configuration, so its sources are compiled directly
# (no autotools needed); the file list comes from the package's own lib/Makefile.am.
set -euo pipefail
TRIPLE=$1
mkdir -p "$2" "$3"
PREFIX=$(cd "$2" && pwd)
SRCDIR=$(cd "$3" && pwd)
STAMP="$PREFIX/lib/.lhasa-built"

# The source tree stays even once the library is built: the unit tests read its archive corpus.
mkdir -p "$SRCDIR/lhasa"
cd "$SRCDIR/lhasa"
src=$(find . -maxdepth 1 -type d -name 'lhasa-*' | sort | tail -n 1)
if [ -z "$src" ]; then
  echo "lhasa: fetching the Debian source package into $SRCDIR/lhasa"
  apt-get source -q lhasa >/dev/null 2>&1 || apt-get source lhasa
  src=$(find . -maxdepth 1 -type d -name 'lhasa-*' | sort | tail -n 1)
fi
[ -n "$src" ] || { echo "lhasa: no source tree in $SRCDIR/lhasa" >&2; exit 1; }

[ -f "$STAMP" ] && [ -f "$PREFIX/lib/liblhasa.a" ] && exit 0
src=$(cd "$src" && pwd)
version=$(sed -n 's/^AC_INIT(Lhasa, *\([0-9.]*\),.*/\1/p' "$src/configure.ac")

# The .c files of the library's SRC list.
mapfile -t files < <(sed -n '/^SRC *=/,/^$/p' "$src/lib/Makefile.am" | tr ' \t\\' '\n\n\n' | grep '\.c$')
[ ${#files[@]} -gt 10 ] || { echo "lhasa: could not read the source list" >&2; exit 1; }

obj="$SRCDIR/lhasa/build-$TRIPLE"
rm -rf "$obj"
mkdir -p "$obj"
echo "lhasa $version: compiling ${#files[@]} files for $TRIPLE"
for f in "${files[@]}"; do
  "$TRIPLE-gcc-win32" -O2 -DNDEBUG -w -I"$src/lib" -I"$src/lib/public" -c "$src/lib/$f" -o "$obj/${f%.c}.o"
done

mkdir -p "$PREFIX/lib/pkgconfig" "$PREFIX/include/liblhasa-1.0"
rm -f "$PREFIX/lib/liblhasa.a"
"$TRIPLE-ar" rcs "$PREFIX/lib/liblhasa.a" "$obj"/*.o
cp "$src"/lib/public/*.h "$PREFIX/include/liblhasa-1.0/"
cat > "$PREFIX/lib/pkgconfig/liblhasa.pc" <<PC
prefix=$PREFIX
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: liblhasa
Description: LHA (de)compression library (static, cross-built for $TRIPLE)
Version: $version
Libs: -L\${libdir} -llhasa
Cflags: -I\${includedir}/liblhasa-1.0
PC
echo "$version" > "$STAMP"
