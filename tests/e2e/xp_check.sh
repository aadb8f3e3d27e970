#!/usr/bin/env bash
# Fails when an executable needs more than Windows XP SP3 offers: a subsystem version above 5.1,
# a DLL that is not part of the system, or a system function XP lacks.
# Usage: xp_check.sh TOOL.EXE [KNOWN-BAD.EXE]  (the second must be refused, proving the check bites)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
objdump=i686-w64-mingw32-objdump

check() {
  local exe=$1 dump problems=()
  dump=$($objdump -p "$exe")
  local major minor
  major=$(awk '/MajorSubsystemVersion/{print $2}' <<<"$dump")
  minor=$(awk '/MinorSubsystemVersion/{print $2}' <<<"$dump")
  if [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
    problems+=("subsystem version $major.$minor is above 5.1")
  fi
  local imports
  imports=$(awk '/DLL Name:/{dll=toupper($3)} /^\t[ 0-9a-f]+\t +[0-9]+ /{print dll, $3}' <<<"$dump")
  while read -r dll; do
    case "$dll" in
      KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|MSVCRT.DLL|ADVAPI32.DLL|SHELL32.DLL|VERSION.DLL) ;;
      *) problems+=("imports $dll, which is not part of Windows") ;;
    esac
  done < <(awk '/DLL Name:/{print toupper($3)}' <<<"$dump")
  while read -r fn; do
    [ -n "$fn" ] && problems+=("imports $fn, which Windows XP lacks")
  done < <(awk 'NR==FNR { if ($0 !~ /^#/ && $0 != "") bad[$0]=1; next } ($2 in bad) {print $1 ":" $2}' \
             "$here/post-xp-functions.txt" - <<<"$imports")
  printf '%s\n' "${problems[@]}"
}

found=$(check "$1")
if [ -n "$found" ]; then
  echo "$1 does not run on Windows XP SP3:"; echo "$found"; exit 1
fi
echo "$1: subsystem 5.1 or lower, system DLLs only, no function XP lacks"
if [ $# -ge 2 ]; then
  if [ -z "$(check "$2")" ]; then
    echo "the check let $2 pass, though it is known to need Vista"; exit 1
  fi
  echo "(and it refuses $2: $(check "$2" | head -n 1))"
fi
