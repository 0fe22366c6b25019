#!/bin/sh
# Linker launcher of the shipped files: links, then keeps the debug information in
# .debug/NAME.debug beside the file (gdb finds it there through the debug link) and strips
# the file itself, so what ships carries neither symbols nor debug sections.
# split_debug.sh OBJCOPY STRIP LINK-COMMAND...
set -e
objcopy=$1 strip=$2
shift 2
"$@"
out= prev=
for a in "$@"; do
  [ "$prev" = -o ] && out=$a
  prev=$a
done
[ -n "$out" ] || exit 0
dir=$(dirname "$out") name=$(basename "$out")
mkdir -p "$dir/.debug"
"$objcopy" --only-keep-debug "$out" "$dir/.debug/$name.debug"
"$strip" --strip-all "$out"
"$objcopy" --add-gnu-debuglink="$dir/.debug/$name.debug" "$out"
