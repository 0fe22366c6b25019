#!/usr/bin/env bash
# The shipped files as they go out: 32-bit Windows PE files that need no MinGW runtime DLL,
# stripped, each with its version resource, the outside-tool programs and the remote
# control windowed (no console flashes up), each library and the remote control exporting
# exactly its published names; every file startable on the oldest systems it is for (image
# header asking for system version 4.0, only imports that imports.txt lists for those
# systems), and the libraries that Windows 9x loads with LoadLibrary free of a
# thread-local-storage directory, which its loader refuses; the zip holding exactly these
# files, the readme (Shift-JIS, CR LF) and the manual; the installer beside it.
# check_release.sh BUILD-DIR FILE-LIST VERSION
set -u
export LC_ALL=C  # objdump headings are matched in English
build=$1 list=$2 version=$3
bin=$build/bin
objdump=i686-w64-mingw32-objdump
status=0
bad() { echo "$*"; status=1; }
here=$(cd "$(dirname "$0")" && pwd)
# Libraries that Windows 9x loads with LoadLibrary: jpegfilt95.dll and IFJPEG.SPI by the main
# program's probe and conversion, QuilletDll.dll by the smart fit, UnLha32.dll by MeltLha.exe.
win9x_loaded="jpegfilt95.dll IFJPEG.SPI QuilletDll.dll UnLha32.dll"
# The sections of imports.txt each file may import from, by the oldest systems it is for.
import_sections() {
  case $1 in
    jpegfilt95.dll|IFJPEG.SPI) echo "95" ;;     # Windows 95, 98 and Me
    jpegfilt.dll) echo "95 9x-stub nt4" ;;      # NT 4.0, 2000 and XP only
    *) echo "95 9x-stub" ;;                     # Windows 95 and NT 4.0 on
  esac
}
allowed_imports() {  # sections...
  awk -v want=" $* " '/^#/ || NF == 0 {next} /^\[/ {section = substr($1, 2, length($1) - 2); next}
    index(want, " " section " ") {print $1, $2}' "$here/imports.txt" | sort
}

declare -A file_version
files=()
while IFS='|' read -r name ver _; do
  name=$(echo $name) ver=$(echo $ver)
  [ "$ver" = - ] && ver=$version.0
  files+=("$name")
  file_version[$name]=$ver
done < <(grep -v '^[[:space:]]*\(#\|$\)' "$list")
[ ${#files[@]} -ge 9 ] || bad "only ${#files[@]} files listed in $list"

# The Linux desktop's setter goes out as written: a POSIX shell script with Unix line ends.
pe=()
for f in "${files[@]}"; do
  case $f in *.sh) ;; *) pe+=("$f"); continue ;; esac
  cmp -s "$bin/$f" "$here/../../dist/$f" || bad "$f differs from dist/$f"
  case $(file -b "$bin/$f") in "POSIX shell script, ASCII text"*) ;; *) bad "$f: $(file -b "$bin/$f")" ;; esac
done

for f in "${pe[@]}"; do
  [ -f "$bin/$f" ] || { bad "missing $f"; continue; }
  kind=$(file -b "$bin/$f")
  case "$kind" in *"PE32 executable"*"Intel 80386"*) ;; *) bad "$f: $kind" ;; esac
  dlls=$($objdump -p "$bin/$f" | grep 'DLL Name')
  case "$dlls" in *[Ll]ibgcc*|*[Ll]ibstdc*|*libwinpthread*|*mingw*) bad "$f needs a MinGW runtime DLL" ;; esac
  $objdump -h "$bin/$f" | grep -q ' \.debug_' && bad "$f carries debug information"
  [ -n "$($objdump -t "$bin/$f" | grep '^\[')" ] && bad "$f carries a symbol table"
  # The version resource's texts are UTF-16.
  strings -e l "$bin/$f" | grep -qx "${file_version[$f]}" || bad "$f has no version resource ${file_version[$f]}"
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
expect_exports jpegfilt.dll "JpegToBmp JpegToBmpRegion"
expect_exports jpegfilt95.dll "JpegToBmp"
expect_exports IFJPEG.SPI "GetPicture GetPictureInfo GetPluginInfo GetPreview IsSupported"
expect_exports UnLha32.dll "Unlha UnlhaCheckArchive UnlhaExtractMember UnlhaGetVersion UnlhaListToFile"
expect_exports MovRC2.exe "_AboutBox"

for f in $win9x_loaded; do
  $objdump -p "$bin/$f" | grep -q 'Entry 9 00000000 00000000 Thread Storage Directory' || bad "$f has a TLS directory"
done
for f in "${pe[@]}"; do
  header=$($objdump -p "$bin/$f")
  # Windows 95 and NT 4.0 refuse to start a file that asks for a newer system.
  versions=$(echo "$header" | awk '$1 ~ /^(Major|Minor)(OSystem|Subsystem)Version$/ {printf "%s=%s ", $1, $2}')
  [ "$versions" = "MajorOSystemVersion=4 MinorOSystemVersion=0 MajorSubsystemVersion=4 MinorSubsystemVersion=0 " ] ||
    bad "$f asks for a newer system: $versions"
  sections=$(import_sections "$f")
  imports=$(echo "$header" | awk '/DLL Name:/ {dll = $3} dll && /^\t[0-9a-f]+\t? +[0-9]+ +[A-Za-z_]/ {print dll, $NF}' | sort)
  [ -n "$imports" ] || bad "$f: no imports found"
  extra=$(comm -23 <(echo "$imports") <(allowed_imports $sections))
  [ -z "$extra" ] || bad "$f imports what imports.txt does not list under [${sections// /] [}]: $(echo $extra)"
done

for f in Jpeg2bmp.exe MeltLha.exe MovRC2.exe; do
  $objdump -p "$bin/$f" | grep -q 'Subsystem.*(Windows GUI)' || bad "$f is not a windowed program"
done

zip=$build/Movani32-$version.zip
want=$(printf '%s\n' "${files[@]}" README.txt Movani32.html | sort)
got=$(unzip -Z1 "$zip" 2>/dev/null | sort)
[ "$got" = "$want" ] || bad "$zip holds: $(echo $got)"
for f in "${files[@]}" Movani32.html; do
  unzip -p "$zip" "$f" 2>/dev/null | cmp -s - "$bin/$f" || bad "$f in the zip differs from the build's"
done
readme=$(unzip -p "$zip" README.txt 2>/dev/null)
printf '%s' "$readme" | iconv -f CP932 -t UTF-8 | grep -q '壁紙' || bad "README.txt is not Shift-JIS"
[ "$(printf '%s' "$readme" | grep -c $'\r$')" -eq "$(printf '%s\n' "$readme" | wc -l)" ] || bad "README.txt lines do not end in CR LF"

setup=$build/Movani32-$version-setup.exe
case "$(file -b "$setup" 2>/dev/null)" in *"PE32 executable"*"Intel 80386"*) ;; *) bad "no installer $setup" ;; esac
strings -e l "$setup" | grep -qx "$version" || bad "the installer has no version resource $version"

[ $status -eq 0 ] && echo "release files: ok (${#files[@]} programs, zip, installer)"
exit $status
