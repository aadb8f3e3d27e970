#!/usr/bin/env bash
# ctest's emulator: runs a Windows program in the build's Wine test prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARG...]  (a WINEPREFIX already set wins over PREFIX)
. "$(cd "$(dirname "$0")" && pwd)/wine-env.sh"
prefix=${WINEPREFIX:-$1}
shift
use_wine "$prefix"
exec wine "$@"
