#!/usr/bin/env bash
# Calls that run a message loop of their own (busy_calls.sh SOURCE-ROOT): each may appear only
# in the file that opens a busy period around it, so no new caller can forget one. A new use
# goes through that file's function, or into a file of its own that opens one and is added here.
set -u
root=$1
fail=0
# call pattern % the files that may make it
while IFS='%' read -r pattern homes; do
  [ -n "$pattern" ] || continue
  while IFS= read -r file; do
    case " $homes " in *" $file "*) ;; *) echo "busy_calls: $file calls $pattern outside a busy period's home ($homes)"; fail=1 ;; esac
  done < <(cd "$root" && grep -rlE -e "$pattern" --include='*.cpp' --include='*.h' settings collection engine ui framework)
done <<'CALLS'
\bMessageBoxA? *\(%framework/busy_period.cpp
\bDialogBox(Param|Indirect|IndirectParam)A? *\(%framework/dialog.cpp
"PropertySheetA"%framework/property_sheet.cpp
"Get(Open|Save)FileNameA"%framework/frame.cpp
\bTrackPopupMenu(Ex)? *\(%ui/command_table.cpp
\bShell_NotifyIconA? *\(%ui/tray_icon.cpp
\bShellExecuteA? *\(%ui/command_table.cpp
\bWinExec *\(%settings/busy_handshake.cpp
SPIF_SENDWININICHANGE%engine/desktop_writer.cpp settings/environment_probe.cpp
->ApplyChanges *\(%engine/active_desktop.cpp
CALLS
# Each home opens one.
for home in framework/busy_period.cpp framework/dialog.cpp framework/property_sheet.cpp framework/frame.cpp \
  ui/command_table.cpp ui/tray_icon.cpp settings/busy_handshake.cpp engine/desktop_writer.cpp \
  settings/environment_probe.cpp engine/active_desktop.cpp; do
  grep -q 'BusyPeriod busy' "$root/$home" || { echo "busy_calls: $home opens no busy period"; fail=1; }
done
[ $fail -eq 0 ] && echo "busy_calls: every call that runs a message loop is inside a busy period"
exit $fail
