#!/usr/bin/env bash
# Runs a Windows program in the build's private 32-bit Wine prefix (used by ctest as its emulator).
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-${BUILD_DIR:-$here/build}/wine}
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
