# Sourced by the scripts: the build folder, the build itself, and Wine's environment.
TAVRINO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$TAVRINO_ROOT/build}

# prepare_build [TARGET...]: installs what is missing, configures, builds the targets (all without).
prepare_build() {
  bash "$TAVRINO_ROOT/scripts/setup.sh"
  cmake -S "$TAVRINO_ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$TAVRINO_ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
}

# use_wine PREFIX: Wine's environment for that 32-bit prefix.
use_wine() {
  export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}
