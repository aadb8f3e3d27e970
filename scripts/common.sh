# Sourced by the scripts: the build folders, the build itself, and Wine's environment.
TAVRINO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$TAVRINO_ROOT/scripts/wine-env.sh"
# The 32-bit product's build. BUILD_DIR is the build the tests run in Wine: the same folder, or
# after prepare_build, on a machine that cannot execute 32-bit code, its 64-bit twin inside it.
export PRODUCT_DIR=${BUILD_DIR:-$TAVRINO_ROOT/build}
export BUILD_DIR=$PRODUCT_DIR

# configure_build DIR TOOLCHAIN WINE_TESTS TARGET...: configures DIR and builds the targets (all
# without); WINE_TESTS ON registers the tests that run in Wine.
configure_build() {
  local dir=$1 toolchain=$2 wine_tests=$3 targets=()
  shift 3
  cmake -S "$TAVRINO_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$TAVRINO_ROOT/cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTAVRINO_WINE_TESTS="$wine_tests" >/dev/null
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}

# prepare_build [TARGET...]: installs what is missing, builds the product's targets and, where the
# tests run a 64-bit build, the same targets for it; sets BUILD_DIR to the build Wine runs.
prepare_build() {
  BUILD_DIR=$PRODUCT_DIR bash "$TAVRINO_ROOT/scripts/setup.sh"
  BUILD_DIR=$(wine_build_dir "$PRODUCT_DIR")
  if [ "$BUILD_DIR" = "$PRODUCT_DIR" ]; then
    configure_build "$PRODUCT_DIR" mingw-i686 ON "$@"
  else
    configure_build "$PRODUCT_DIR" mingw-i686 OFF "$@"
    configure_build "$BUILD_DIR" mingw-x86_64 ON "$@"
  fi
}
