#!/usr/bin/env bash
# Times the whole update, from the click on Update CF Card to the caption returning, on the real
# executable driven end to end, beside xcopy /E /I /Y of the same packet onto the same kind of card
# folder under the same Wine prefix. Two packets: 5,000 files of 1-64 KiB in 200 folders, and 20
# files of 16 MiB.
set -euo pipefail
. "$(dirname "$0")/common.sh"
here=$TAVRINO_ROOT
prepare_build Tavrino tavrino-driver >/dev/null
build=$BUILD_DIR
. "$here/tests/e2e/lib.sh"
use_own_prefix "$build" wine-bench
work=$build/bench-update
mkdir -p "$work/card"
LOOP=
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/e::"
  [ -n "$LOOP" ] && losetup -d "$LOOP"
  true
}
trap cleanup EXIT
truncate -s 64M "$work/card.img"
mkfs.vfat -F 32 "$work/card.img" >/dev/null
LOOP=$(losetup -f --show "$work/card.img")
ln -sfn "$work/card" "$WINEPREFIX/dosdevices/e:"
ln -sfn "$LOOP" "$WINEPREFIX/dosdevices/e::"
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

packet() {  # NAME FILES FOLDERS MIN MAX
  local dir=$work/$1
  if [ ! -f "$dir.done" ]; then
    rm -rf "$dir"
    python3 "$here/scripts/make-packet.py" "$dir" "$2" "$3" "$4" "$5"
    touch "$dir.done"
  fi
  cp "$build/Tavrino.exe" "$dir/"
}
packet small 5000 200 1024 65536
packet large 20 1 16777216 16777216

now() { date +%s.%N; }
for name in small large; do
  dir=$work/$name
  echo "packet $name: $(find "$dir" -type f ! -name Tavrino.exe | wc -l) files, $(du -sm "$dir" | cut -f1) MiB"
  for run in 1 2; do
    rm -rf "$work/card"/*; sync
    (cd "$dir" && wine ./Tavrino.exe </dev/null >/dev/null 2>&1 &)
    wine "$build/tavrino-driver.exe" wait 20000 >/dev/null
    tool=$(wine "$build/tavrino-driver.exe" press 1006 900000 2>&1 >/dev/null | tr -d '\r' | sed -n 's/elapsed \([0-9]*\) ms/\1/p')
    wine "$build/tavrino-driver.exe" close
    sleep 0.5
    rm -rf "$work/card"/*; sync
    t0=$(now)
    wine xcopy /E /I /Y "$(win_path "$dir")" 'E:\' >/dev/null 2>&1
    t1=$(now)
    python3 -c "t=$tool/1000; x=$t1-$t0; print(f'  run $run: tool {t:.2f} s (click to caption back)   xcopy {x:.2f} s   ratio tool/xcopy {t/x:.2f}')"
  done
done
