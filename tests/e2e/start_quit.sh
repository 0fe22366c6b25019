#!/usr/bin/env bash
# Movani32 starts in the virtual desktop with its Japanese menu bar, and quits on
# command 57665 and on its close box, each time with exit code 0.
source "$(dirname "$0")/lib.sh"

start_movani
wb_screenshot "$SHOTS/start_quit.png"
quit_movani 57665

start_movani
quit_movani close

# Nothing to find once it has gone.
if "$WINELOADER" "$MOV_BIN/movsend.exe" 57665 2>/dev/null; then fail "movsend found a window after exit"; fi
echo "start_quit: ok"
