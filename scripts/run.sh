#!/usr/bin/env bash
# The tool's main job: builds Tavrino.exe, lays out a sample packet with the executable in it,
# attaches a virtual removable FAT32 card as E:, and starts the tool from the packet folder.
# With a display the user works the window. Without one (CI, ssh) it runs under Xvfb, presses
# "Update CF Card", waits for the caption to return, prints the card's tree and saves a screenshot.
set -euo pipefail
. "$(dirname "$0")/common.sh"
prepare_build Tavrino tavrino-driver format_demo >/dev/null
build=$BUILD_DIR
. "$TAVRINO_ROOT/tests/e2e/lib.sh"
use_own_prefix "$build" wine-run x11
run=$build/run
LOOP= XVFB_PID=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }
  rm -f "$WINEPREFIX/dosdevices/e::"
  [ -n "$LOOP" ] && losetup -d "$LOOP"
  true
}
trap cleanup EXIT

# A sample packet: a few folders and files, the executable among them.
rm -rf "$run"; mkdir -p "$run/packet/DATA/MAPS" "$run/packet/FIRMWARE" "$run/card"
cp "$build/Tavrino.exe" "$run/packet/"
echo "Orvin Series update packet, sample" > "$run/packet/README.TXT"
head -c 300000 /dev/urandom > "$run/packet/DATA/MAP.BIN"
head -c 40000 /dev/urandom > "$run/packet/DATA/MAPS/REGION1.MAP"
head -c 2000000 /dev/urandom > "$run/packet/FIRMWARE/ORVIN.BIN"
printf '[card]\r\nversion=1.5\r\n' > "$run/packet/DATA/SETTINGS.INI"

# The card: its files live in a folder; a FAT32 image on a loop device answers the volume queries.
truncate -s 64M "$run/card.img"
mkfs.vfat -F 32 -n KELVORIN "$run/card.img" >/dev/null
if ! LOOP=$(losetup -f --show "$run/card.img" 2>&1); then
  echo "run: cannot attach the card image to a loop device ($LOOP); the FAT32 card needs one" >&2
  LOOP=; exit 1
fi
ln -sfn "$run/card" "$WINEPREFIX/dosdevices/e:"
ln -sfn "$LOOP" "$WINEPREFIX/dosdevices/e::"
cp "$build/demo/format.exe" "$WINEPREFIX/drive_c/windows/system32/format.exe"
if [ "$BUILD_DIR" != "$PRODUCT_DIR" ]; then
  echo "this machine cannot execute 32-bit code: running the 64-bit build of the same sources" \
       "(the 32-bit product is $PRODUCT_DIR/Tavrino.exe)"
fi
echo "packet: $run/packet   card E: $run/card (FAT32 image on $LOOP)"

if [ -n "${DISPLAY:-}" ] && [ "${CI:-}" != true ]; then
  wineserver -p
  (cd "$run/packet" && wine ./Tavrino.exe)
else
  start_xvfb
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  (cd "$run/packet" && wine ./Tavrino.exe </dev/null >/dev/null 2>&1 &)
  wine "$build/tavrino-driver.exe" wait 20000 >/dev/null
  echo "pressing Update CF Card (no display: running under Xvfb $DISPLAY)"
  wine "$build/tavrino-driver.exe" press 1006 120000 | tr -d '\r' | sed 's/^/  /'
  import -window root "$run/screenshot.png"
  wine "$build/tavrino-driver.exe" close
  echo "screenshot: $run/screenshot.png"
fi
echo "card tree:"
(cd "$run/card" && find . -mindepth 1 -printf '  %P  %s bytes\n' | sort)
