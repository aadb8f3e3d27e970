#!/usr/bin/env bash
# Installs what the build and the tests need (idempotent, quiet when all is there)
# and creates the private Wine test prefix under the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/wine-env.sh"
product=${BUILD_DIR:-$here/build}

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
# install PACKAGE...: installs those of them that are missing.
install() {
  local need=() p
  for p in "$@"; do have "$p" || need+=("$p"); done
  [ ${#need[@]} -gt 0 ] || return 0
  echo "setup: installing ${need[*]}"
  local SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
}
install g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 xvfb xdotool imagemagick \
        x11-utils dosfstools mtools binutils-mingw-w64-i686 cmake
arch=$(wine_arch)
if [ "$arch" = win64 ]; then
  echo "setup: this machine cannot execute 32-bit code; the tests run a 64-bit build in 64-bit Wine"
  install wine64 g++-mingw-w64-x86-64 mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
fi
build=$(wine_build_dir "$product")

# The Wine prefix lives inside the build folder, never in the user's home.
use_wine "$build/wine"
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
