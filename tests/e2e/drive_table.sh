#!/usr/bin/env bash
# Card discovery against drive types set in Wine's drive registry: for each case the drives are
# configured, the prefix's wineserver restarted (drive types are read when it starts), and the
# real executable started; its drive list, or its "No Card Found!" box, is checked.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
use_own_prefix "$build" wine-drives
dirs=$build/drive-table
letters="a b d e f g h"
cleanup() { wineserver -k 2>/dev/null || true; }
trap cleanup EXIT

configure() {  # LETTER=TYPE ...: only these drives, besides C: and Z:
  wine reg delete 'HKLM\Software\Wine\Drives' /f >/dev/null 2>&1 || true
  for l in $letters; do rm -f "$WINEPREFIX/dosdevices/$l:"; done
  for drive in "$@"; do
    l=${drive%%=*} t=${drive#*=}
    [ "$l" = c ] || [ "$l" = z ] || { mkdir -p "$dirs/$l"; ln -sfn "$dirs/$l" "$WINEPREFIX/dosdevices/$l:"; }
    wine reg add 'HKLM\Software\Wine\Drives' /v "$l:" /d "$t" /f >/dev/null
  done
  wineserver -k; wineserver -w
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

fail=0
run_case() {  # EXPECTED LETTER=TYPE ...
  local expected=$1; shift
  configure "$@"
  echo "== drives $* -> $expected"
  if ! TAVRINO_EXPECT_DRIVES=$expected wine "$build/tests/e2e_tests.exe" \
       --gtest_filter='DriveTable.*' --gtest_brief=1; then
    fail=1
  fi
}

run_case 'E:\,G:\' e=floppy g=floppy c=hd d=hd f=cdrom
run_case 'Z:\' z=floppy
run_case none a=floppy
run_case none b=floppy c=hd
exit $fail
