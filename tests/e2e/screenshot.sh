#!/usr/bin/env bash
# The real window under Xvfb: a screenshot shows the background field colour in an empty area,
# the help text's colour inside the help label, and icon pixels inside each command button.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
use_own_prefix "$build" wine-x x11
work=$build/screenshot
rm -rf "$work"; mkdir -p "$work/pkt/DATA" "$work/card"
cp "$build/Tavrino.exe" "$work/pkt/"
echo data > "$work/pkt/DATA/README.TXT"
ln -sfn "$work/card" "$WINEPREFIX/dosdevices/e:"

XVFB_PID=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  true
}
trap cleanup EXIT
start_xvfb
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

(cd "$work/pkt" && wine ./Tavrino.exe </dev/null >/dev/null 2>&1 &)
wine "$build/tavrino-driver.exe" rects | tr -d '\r' > "$work/rects.txt"
sleep 1  # let the first paint finish
import -window root "$work/shot.png"
wine "$build/tavrino-driver.exe" close
echo "screenshot: $work/shot.png"
convert "$work/shot.png" "$work/shot.ppm"

python3 - "$work/shot.ppm" "$work/rects.txt" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
px = parts[4]
rects = {}
for line in open(sys.argv[2]):
    name, *nums = line.split()
    rects[name] = tuple(map(int, nums))
def at(x, y):
    i = (y * w + x) * 3
    return tuple(px[i:i + 3])
def pixels(r, shrink=0):
    l, t, rr, b = r
    for y in range(t + shrink, b - shrink):
        for x in range(l + shrink, rr - shrink):
            yield at(x, y)
def near(c, ref, tol):
    return all(abs(a - b) <= tol for a, b in zip(c, ref))
ok = True
def check(what, cond):
    global ok
    print(("ok   " if cond else "FAIL ") + what)
    ok = ok and cond
cl, ct, cr, cb = rects["client"]
# Bottom left of the client area: below the update frame, left of the Exit button.
empty = (cl + 4, cb - 14, cl + 60, cb - 4)
field = sum(1 for c in pixels(empty) if c == (201, 211, 211))
check(f"background field colour in an empty area ({field} of {(empty[2]-empty[0])*(empty[3]-empty[1])})",
      field > 0.8 * (empty[2] - empty[0]) * (empty[3] - empty[1]))
help_px = sum(1 for c in pixels(rects["1003"]) if near(c, (96, 0, 28), 40))
check(f"help text colour inside the help label ({help_px} pixels)", help_px > 50)
icons = {
    "1": ("Exit", lambda c: c[0] > 150 and c[1] < 80 and c[2] < 80),
    "1006": ("Update CF Card", lambda c: near(c, (30, 34, 40), 25) or (c[0] > 150 and c[1] < 80)),
    "1004": ("Format CF Card", lambda c: max(c) - min(c) > 100 and c != (96, 0, 28)),
}
for cid, (name, is_icon) in icons.items():
    l, t, r, b = rects[cid]
    n = sum(1 for c in pixels((l, t, min(r, l + 60), b)) if is_icon(c))
    check(f"icon pixels inside the {name} button ({n})", n > 40)
sys.exit(0 if ok else 1)
PY
