#!/usr/bin/env bash
# Builds everything and runs every test under Wine: setup, configure, build, ctest.
set -euo pipefail
. "$(dirname "$0")/common.sh"
prepare_build
use_wine "$BUILD_DIR/wine"
# One wineserver for the whole run keeps each test start short; stop exactly this prefix's.
# One already running for this prefix (somebody else's) is used and left alone.
if wineserver -p 2>/dev/null; then
  trap 'WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true' EXIT
fi
# Start Wine's own services now, detached from ctest's pipes: started later by a test, they
# would inherit its output and keep ctest waiting for it to close.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
if [ "$BUILD_DIR" != "$PRODUCT_DIR" ]; then
  # The 32-bit product cannot run here; its static checks still run on it.
  echo "== the 32-bit product, $PRODUCT_DIR (checks that need no Wine)"
  (cd "$PRODUCT_DIR" && ctest --output-on-failure)
  echo "== the tests, on the 64-bit build of the same sources in 64-bit Wine, $BUILD_DIR"
fi
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300
