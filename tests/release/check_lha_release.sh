#!/usr/bin/env bash
# The LHA components as shipped: 32-bit PE files needing no MinGW runtime DLL, MeltLha.exe a
# windowed program (no console flashes up when it is started), UnLha32.dll exporting
# exactly its five undecorated entry points.
set -u
export LC_ALL=C
bin=$1
objdump=i686-w64-mingw32-objdump
status=0
for f in UnLha32.dll MeltLha.exe; do
  [ -f "$bin/$f" ] || { echo "missing $f"; status=1; continue; }
  kind=$(file -b "$bin/$f")
  case "$kind" in *"PE32 executable"*"Intel 80386"*) ;; *) echo "$f: $kind"; status=1 ;; esac
  dlls=$($objdump -p "$bin/$f" | grep 'DLL Name')
  case "$dlls" in *[Ll]ibgcc*|*[Ll]ibstdc*|*libwinpthread*|*mingw*) echo "$f needs a MinGW runtime DLL"; status=1 ;; esac
done
[ $status -eq 0 ] || exit $status
$objdump -p "$bin/MeltLha.exe" | grep -q 'Subsystem.*Windows GUI' || { echo "MeltLha.exe is not a windowed program"; status=1; }
exports=$($objdump -p "$bin/UnLha32.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\]/ {print $NF}' | grep -v Table | sort | tr '\n' ' ')
[ "$exports" = "Unlha UnlhaCheckArchive UnlhaExtractMember UnlhaGetVersion UnlhaListToFile " ] || { echo "UnLha32 exports: '$exports'"; status=1; }
[ $status -eq 0 ] && echo "LHA release files: ok"
exit $status
