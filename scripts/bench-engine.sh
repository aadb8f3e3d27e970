#!/usr/bin/env bash
# Prints the time to scan and copy a generated packet onto a folder card, beside xcopy /E /I /Y
# of the same tree under the same Wine prefix.
set -euo pipefail
. "$(dirname "$0")/common.sh"
here=$TAVRINO_ROOT
prepare_build bench_engine >/dev/null
use_wine "$BUILD_DIR/wine"
work=$BUILD_DIR/bench-engine
mkdir -p "$work/card"
started=0
if wineserver -p 2>/dev/null; then started=1; fi
cleanup() {
  rm -f "$WINEPREFIX/dosdevices/u:"
  [ "$started" = 1 ] && wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
ln -sfn "$work/card" "$WINEPREFIX/dosdevices/u:"

if [ ! -f "$work/pkt.done" ]; then
  rm -rf "$work/pkt"
  python3 "$here/scripts/make-packet.py" "$work/pkt" 5000 200 1024 65536
  touch "$work/pkt.done"
fi
pkt_win="Z:$(echo "$work/pkt" | tr / '\\')"
now() { date +%s.%N; }

echo "packet: 5000 files of 1-64 KiB in 200 folders, $(du -sm "$work/pkt" | cut -f1) MiB; card: a folder"
for run in 1 2 3; do
  rm -rf "$work/card"/*
  sync
  t0=$(now)
  out=$(wine "$BUILD_DIR/tests/bench_engine.exe" "$pkt_win" 'U:\' 2>&1)
  t1=$(now)
  rm -rf "$work/card"/*
  sync
  t2=$(now)
  wine xcopy /E /I /Y "$pkt_win" 'U:\' >/dev/null 2>&1
  t3=$(now)
  scan=$(echo "$out" | sed -n 's/.*scan \([0-9.]*\) s.*/\1/p')
  copy=$(echo "$out" | sed -n 's/.*copy \([0-9.]*\) s.*/\1/p')
  python3 - "$scan" "$copy" "$t0" "$t1" "$t2" "$t3" "$out" <<'PY'
import sys
scan, copy, t0, t1, t2, t3 = map(float, sys.argv[1:7])
tool, xcopy = t1 - t0, t3 - t2
print(f"  tool: scan {scan:.2f} s + copy {copy:.2f} s (process {tool:.2f} s)   xcopy: {xcopy:.2f} s"
      f"   ratio tool/xcopy: {tool / xcopy:.2f} (scan+copy alone {(scan + copy) / xcopy:.2f})")
PY
done
