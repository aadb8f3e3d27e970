# Shared by the end-to-end scripts. Each script works in a Wine prefix of its own, copied from the
# build's test prefix, so it may restart that prefix's wineserver without disturbing other tests.
. "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/wine-env.sh"

# own_prefix BUILD NAME [x11]: prints the path of BUILD/NAME, copying it from BUILD/wine first.
own_prefix() {
  local build=$1 name=$2 mode=${3:-}
  local p=$build/$name
  if [ ! -f "$p/system.reg" ]; then
    rm -rf "$p"
    cp -a "$build/wine" "$p"
    if [ "$mode" = x11 ]; then
      # Real windows on an X display: drop the headless driver setting.
      (use_wine "$p"
       wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
       wineserver -w)
    fi
  fi
  echo "$p"
}

# use_own_prefix BUILD NAME [x11]: the prefix BUILD/NAME, made if needed, with Wine's environment.
use_own_prefix() {
  local p
  p=$(own_prefix "$@")
  use_wine "$p"
}

# start_xvfb: starts Xvfb on a free display; sets XVFB_PID and DISPLAY.
start_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no free display for Xvfb" >&2
  return 1
}

# win_path UNIX_PATH: the path as Wine's Z: drive shows it.
win_path() { echo "Z:$1" | tr / '\\'; }
