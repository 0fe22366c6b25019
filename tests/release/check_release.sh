#!/usr/bin/env bash
# The shipped files are 32-bit Windows PE files that need no MinGW runtime DLL, and the
# smart-fit library exports exactly _Quillet and _Quillet2.
set -u
export LC_ALL=C  # objdump headings are matched in English
bin=$1
objdump=i686-w64-mingw32-objdump
status=0
for f in Movani32.exe MovRC2.exe QuilletDll.dll jpegfilt.dll Jpeg2bmp.exe; do
  [ -f "$bin/$f" ] || { echo "missing $f"; status=1; continue; }
  kind=$(file -b "$bin/$f")
  case "$kind" in *"PE32 executable"*"Intel 80386"*) ;; *) echo "$f: $kind"; status=1 ;; esac
  dlls=$($objdump -p "$bin/$f" | grep 'DLL Name')
  case "$dlls" in *[Ll]ibgcc*|*[Ll]ibstdc*|*libwinpthread*|*mingw*) echo "$f needs a MinGW runtime DLL"; status=1 ;; esac
done
exports=$($objdump -p "$bin/QuilletDll.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\]/ {print $NF}' | grep -v Table | sort | tr '\n' ' ')
[ "$exports" = "_Quillet _Quillet2 " ] || { echo "QuilletDll exports: '$exports'"; status=1; }
exports=$($objdump -p "$bin/jpegfilt.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\]/ {print $NF}' | grep -v Table | sort | tr '\n' ' ')
[ "$exports" = "JpegToBmp " ] || { echo "jpegfilt exports: '$exports'"; status=1; }
# The converter runs hidden: windowed subsystem, no console.
$objdump -p "$bin/Jpeg2bmp.exe" | grep -q 'Subsystem.*(Windows GUI)' || { echo "Jpeg2bmp.exe is not a windowed program"; status=1; }
[ $status -eq 0 ] && echo "release files: ok"
exit $status
