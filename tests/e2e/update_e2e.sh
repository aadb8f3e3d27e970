#!/usr/bin/env bash
# Update CF Card end to end on virtual removable cards, one phase per card:
#   fat32      a FAT32 image behind E:, the card's files in a folder
#   fat16      a FAT16 image ("FAT")          ntfs  no image (Wine answers NTFS)
#   no-medium  E: points nowhere (a reader without a card)
#   small-card a FAT32 image, the card's files on a 1 MiB tmpfs that fills up
# Loop devices and the mount are this script's own and are released whatever happens.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
use_own_prefix "$build" wine-update
work=$build/update-e2e
loops=() mounted=
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/e::"
  [ -n "$mounted" ] && umount "$mounted"
  for l in "${loops[@]}"; do losetup -d "$l"; done
  true
}
trap cleanup EXIT
mkdir -p "$work/card" "$work/small"

attach() {  # IMAGE FAT-BITS: prints the loop device
  truncate -s 64M "$1"
  mkfs.vfat -F "$2" "$1" >/dev/null
  local l
  if ! l=$(losetup -f --show "$1" 2>&1); then
    echo "update_e2e: losetup refused ($l); these tests need a loop device" >&2
    exit 1
  fi
  echo "$l"
}
fat32=$(attach "$work/fat32.img" 32); loops+=("$fat32")
fat16=$(attach "$work/fat16.img" 16); loops+=("$fat16")
if ! mount -t tmpfs -o size=1m tmpfs "$work/small"; then
  echo "update_e2e: mounting a tmpfs was refused; the card-fills-up test needs one" >&2
  exit 1
fi
mounted=$work/small

fail=0
phase() {  # NAME FILES-DIR DEVICE TESTS
  wineserver -k 2>/dev/null || true
  wineserver -w
  ln -sfn "$2" "$WINEPREFIX/dosdevices/e:"
  if [ -n "$3" ]; then ln -sfn "$3" "$WINEPREFIX/dosdevices/e::"; else rm -f "$WINEPREFIX/dosdevices/e::"; fi
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  echo "== phase $1"
  TAVRINO_PHASE=$1 wine "$build/tests/e2e_tests.exe" --gtest_filter="$4" --gtest_brief=1 | tr -d '\r' || fail=1
}
refused='Update.ACardThatIsNotFat32IsRefused'
phase fat32 "$work/card" "$fat32" 'Update.*:-Update.ACardThat*'
phase fat16 "$work/card" "$fat16" "$refused"
phase ntfs "$work/card" "" "$refused"
phase no-medium "$work/no-such-card" "" "$refused"
phase small-card "$work/small" "$fat32" 'Update.ACardThatFillsUp*'

exit $fail
