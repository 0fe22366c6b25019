#!/usr/bin/env bash
# scripts/setup's decisions without network or root (setup_decisions.sh SETUP-SCRIPT): stand-ins on
# PATH record the calls and keep packages and architectures; MOV_ASSUME_I386 answers for the kernel.
set -u
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
stand_in() { printf '#!/usr/bin/env bash\necho "%s $*" >>"$STATE/calls"\n%s\n' "$1" "$2" >"$work/bin/$1"; chmod +x "$work/bin/$1"; }
# An update fails UPDATE_FAILS times as a mirror in sync does; installing UNINSTALLABLE fails.
stand_in apt-get 'case " $* " in
*" update "*)
  n=$(( $(cat "$STATE/updates" 2>/dev/null || echo 0) + 1 )); echo $n >"$STATE/updates"
  [ "$n" -gt "$UPDATE_FAILS" ] && exit 0
  echo "Err:5 http://deb.debian.org/debian-security bookworm-security/main i386 Packages"
  echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (40960 != 41172). Mirror sync in progress?" >&2
  exit 100 ;;
*" install "*)
  for p; do [ "$p" = "$UNINSTALLABLE" ] && { echo "E: Unable to locate package $p" >&2; exit 100; }; done
  for p; do case $p in -*|install) ;; *) echo "$p" >>"$STATE/installed" ;; esac; done ;;
esac'
stand_in dpkg 'case $1 in --print-foreign-architectures) cat "$STATE/archs" 2>/dev/null ;; --add-architecture) echo "$2" >>"$STATE/archs" ;; esac'
stand_in dpkg-query '[ -e "$STATE/all" ] || grep -qx -- "${!#}" "$STATE/installed" 2>/dev/null || exit 1; printf "install ok installed"'
stand_in id 'echo 0'; stand_in locale 'echo ja_JP.utf8'; stand_in fc-list 'echo "/x/marlett.ttf: Marlett:style=Regular"'

# name | kernel runs i386 | failing updates | uninstallable | all present | exit | calls expected | calls not expected | output expected
# Calls and output are ';'-separated extended regexes; "Nx RE" wants exactly N calls matching RE.
cases='
i386 kernel, fresh      |yes|0|-          |no |0 |1x dpkg --add-architecture i386;1x apt-get .*update;install .*wine32:i386|-                      |-
64-bit kernel, fresh    |no |0|-          |no |0 |1x apt-get .*update;install .*wine64\b                                 |add-architecture;wine32|runs no 32-bit code
everything present      |no |0|-          |yes|0 |-                                                                      |apt-get                |all packages present
mirror syncs once       |no |1|-          |no |0 |2x apt-get .*update;install .*wine64\b                                 |-                      |-
mirror syncs throughout |no |9|-          |no |0 |3x apt-get .*update;install .*nsis                                     |-                      |binary-i386/Packages;all packages present
package missing         |yes|9|wine32:i386|no |!0|3x apt-get .*update;install .*wine32:i386                             |-                      |cannot install: wine32:i386$;Unable to locate package wine32:i386;binary-i386/Packages
'
status=0 n=0
check() {  # want|not FILE ';'-separated regexes
  IFS=';' read -ra res <<<"$3"
  for re in "${res[@]}"; do
    re=$(echo $re)
    case $1:$re in
      *:-) ;;
      want:[0-9]*x\ *) count=$(grep -cE -- "${re#*x }" "$2")
        [ "$count" -eq "${re%%x *}" ] || bad "$count lines of $(basename "$2") match '${re#*x }', not ${re%%x *}" ;;
      want:*) grep -qE -- "$re" "$2" || bad "no line of $(basename "$2") matches '$re'" ;;
      not:*) ! grep -qE -- "$re" "$2" || bad "$(basename "$2") has '$(grep -m1 -E -- "$re" "$2")'" ;;
    esac
  done
}
bad() { echo "FAIL $name: $*"; failed=1 status=1; }
while IFS='|' read -r name i386 fails uninstallable present want_rc want_calls no_calls want_out; do
  name=$(echo $name); [ -n "$name" ] || continue
  dir=$work/case$((++n)) failed=0
  mkdir -p "$dir/root/etc/apt/sources.list.d"
  [ "$(echo $present)" = yes ] && touch "$dir/all" "$dir/root/etc/apt/sources.list.d/movani32-src.sources"
  STATE=$dir UPDATE_FAILS=$(echo $fails) UNINSTALLABLE=$(echo $uninstallable) PATH=$work/bin:$PATH \
    MOV_ASSUME_I386=$(echo $i386) MOV_SETUP_ROOT=$dir/root MOV_SETUP_RETRY_PAUSE=0 bash "$setup" >"$dir/output" 2>&1
  rc=$? want_rc=$(echo $want_rc)
  case $want_rc:$rc in 0:0 | '!0':[1-9]*) ;; *) bad "exit $rc" ;; esac
  check want "$dir/calls" "$want_calls"; check not "$dir/calls" "$no_calls"; check want "$dir/output" "$want_out"
  [ $failed -eq 0 ] || { echo "--- its output:"; cat "$dir/output"; echo "--- its calls:"; cat "$dir/calls"; }
done <<<"$cases"
[ $status -eq 0 ] && echo "setup_decisions: $n cases passed"
exit $status
