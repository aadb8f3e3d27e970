#!/usr/bin/env bash
# Installs what the build and the tests need (idempotent, quiet when all is there)
# and creates the private 32-bit Wine prefix under the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 xvfb xdotool imagemagick \
         x11-utils dosfstools mtools binutils-mingw-w64-i686 cmake; do
  have "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq >/dev/null
  $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The 32-bit Wine prefix lives inside the build folder, never in the user's home.
export WINEPREFIX=$build/wine WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating Wine prefix $WINEPREFIX"
  mkdir -p "$build"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "setup: Wine prefix could not be created" >&2; exit 1; }
# The tests' removable card reader: E: is a floppy-type drive on a folder of the build.
mkdir -p "$build/e2e-card"
ln -sfn "$build/e2e-card" "$WINEPREFIX/dosdevices/e:"
if ! grep -q '"e:"="floppy"' "$WINEPREFIX/system.reg" 2>/dev/null; then
  wine reg add 'HKLM\Software\Wine\Drives' /v e: /d floppy /f >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
fi
# The test prefix is headless: windows, dialogs and painting work with no X server.
if ! grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
fi
