#!/usr/bin/env bash
# Prints the time from process start to the main window shown, over several runs, for the tool
# (started from a packet folder, with a removable card present) and for a minimal Win32 dialog
# program under the same Wine prefix (the floor).
set -euo pipefail
. "$(dirname "$0")/common.sh"
prepare_build Tavrino tavrino-driver min_dialog >/dev/null
build=$BUILD_DIR
. "$TAVRINO_ROOT/tests/e2e/lib.sh"
use_wine "$build/wine"
started=0
if wineserver -p 2>/dev/null; then started=1; fi
trap '[ "$started" = 1 ] && wineserver -k 2>/dev/null; true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
pkt=$build/bench-startup/pkt
mkdir -p "$pkt/DATA"
cp "$build/Tavrino.exe" "$pkt/"
echo data > "$pkt/DATA/README.TXT"
runs=${RUNS:-15}
echo "start-up to main window shown, headless Wine, $runs runs each"
printf '  Tavrino.exe:    '; wine "$build/tavrino-driver.exe" startup "$(win_path "$pkt/Tavrino.exe")" "$runs" | tr -d '\r'
printf '  min_dialog.exe: '; wine "$build/tavrino-driver.exe" startup "$(win_path "$build/min_dialog.exe")" "$runs" | tr -d '\r'
