#!/usr/bin/env bash
# The shipped files as they go out: 32-bit Windows PE files that need no MinGW runtime DLL,
# the outside-tool programs and the remote control windowed (no console flashes up), each
# library and the remote control exporting exactly its published names, and the Windows 9x
# libraries loadable on Windows 95: no thread-local-storage directory (its LoadLibrary refuses
# one) and only imports that win95_imports.txt lists.
set -u
export LC_ALL=C  # objdump headings are matched in English
bin=$1
objdump=i686-w64-mingw32-objdump
status=0
bad() { echo "$*"; status=1; }

here=$(cd "$(dirname "$0")" && pwd)
win9x_libraries="jpegfilt95.dll IFJPEG.SPI"

for f in Movani32.exe MovRC2.exe QuilletDll.dll jpegfilt.dll Jpeg2bmp.exe UnLha32.dll MeltLha.exe $win9x_libraries; do
  [ -f "$bin/$f" ] || { bad "missing $f"; continue; }
  kind=$(file -b "$bin/$f")
  case "$kind" in *"PE32 executable"*"Intel 80386"*) ;; *) bad "$f: $kind" ;; esac
  dlls=$($objdump -p "$bin/$f" | grep 'DLL Name')
  case "$dlls" in *[Ll]ibgcc*|*[Ll]ibstdc*|*libwinpthread*|*mingw*) bad "$f needs a MinGW runtime DLL" ;; esac
done
[ $status -eq 0 ] || exit $status

exports_of() {
  $objdump -p "$bin/$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\]/ {print $NF}' | grep -v Table | sort | tr '\n' ' '
}
expect_exports() {  # file, names in sorted order
  local got; got=$(exports_of "$1")
  [ "$got" = "$2 " ] || bad "$1 exports: '$got'"
}
expect_exports QuilletDll.dll "_Quillet _Quillet2"
expect_exports jpegfilt.dll "JpegToBmp"
expect_exports jpegfilt95.dll "JpegToBmp"
expect_exports IFJPEG.SPI "GetPicture GetPictureInfo GetPluginInfo GetPreview IsSupported"
expect_exports UnLha32.dll "Unlha UnlhaCheckArchive UnlhaExtractMember UnlhaGetVersion UnlhaListToFile"
expect_exports MovRC2.exe "_AboutBox"

allowed=$(grep -v '^#' "$here/win95_imports.txt" | sort)
for f in $win9x_libraries; do
  $objdump -p "$bin/$f" | grep -q 'Entry 9 00000000 00000000 Thread Storage Directory' || bad "$f has a TLS directory"
  imports=$($objdump -p "$bin/$f" | awk '/DLL Name:/ {dll = $3} dll && /^\t[0-9a-f]+\t? +[0-9]+ +[A-Za-z_]/ {print dll, $NF}' | sort)
  [ -n "$imports" ] || bad "$f: no imports found"
  extra=$(comm -23 <(echo "$imports") <(echo "$allowed"))
  [ -z "$extra" ] || bad "$f imports what win95_imports.txt does not list: $(echo $extra)"
done

for f in Jpeg2bmp.exe MeltLha.exe MovRC2.exe; do
  $objdump -p "$bin/$f" | grep -q 'Subsystem.*(Windows GUI)' || bad "$f is not a windowed program"
done
[ $status -eq 0 ] && echo "release files: ok"
exit $status
