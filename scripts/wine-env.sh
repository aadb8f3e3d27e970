# Sourced: which Wine runs the tests on this machine, and Wine's environment for a prefix.
# The product is a 32-bit program, tested in 32-bit Wine. Some machines cannot execute 32-bit
# code at all (the kernel's 32-bit support is off); there the tests run a 64-bit build of the same
# sources in 64-bit Wine, and the 32-bit product is still built and checked without running it.
TAVRINO_ROOT=${TAVRINO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# wine_arch: win32 where the 32-bit Wine loader runs here, else win64. TAVRINO_WINEARCH forces one.
wine_arch() {
  if [ -n "${TAVRINO_WINEARCH:-}" ]; then
    echo "$TAVRINO_WINEARCH"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo win32
  else
    echo win64
  fi
}

# wine_build_dir PRODUCT_DIR: the build the tests run, the product's own or its 64-bit twin.
wine_build_dir() {
  if [ "$(wine_arch)" = win64 ]; then echo "$1/x64"; else echo "$1"; fi
}

# use_wine PREFIX: Wine's environment for that prefix, 32- or 64-bit as the prefix was made
# (a prefix not made yet gets this machine's kind).
use_wine() {
  local arch
  if [ -f "$1/system.reg" ]; then
    if grep -q '^#arch=win64' "$1/system.reg"; then arch=win64; else arch=win32; fi
  else
    arch=$(wine_arch)
  fi
  export WINEPREFIX=$1 WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$arch" = win64 ]; then
    case ":$PATH:" in *":$TAVRINO_ROOT/scripts/wine64:"*) ;; *) export PATH=$TAVRINO_ROOT/scripts/wine64:$PATH ;; esac
    export WINELOADER=/usr/lib/wine/wine64
  fi
}
