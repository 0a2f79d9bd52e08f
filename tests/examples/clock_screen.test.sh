#!/usr/bin/env bash
# examples/clock.js on the screen: its LayeredFrame is cut out where the canvas is
# transparent, so a green PopupFrame opened beneath it shows at the clock's corners,
# while the dial shows its own colours. The screenshot is kept in the build folder's
# artifacts/ (clock-screen.png).
set -u
root="$(pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
artifacts="$(dirname "${KOVA_EXE:-$root/build/x86_64/kova.exe}")/artifacts"
mkdir -p "$artifacts"
shot="$artifacts/clock-screen.png"
rm -f "$shot"
cat >"$tmp/clock_screen.js" <<'JS'
exec("examples/clock.js");
// Both windows go to (700, 500), away from other tests' frames, which open at (0, 0).
var findWindow = new DllFunc("user32.dll", "handle FindWindowA(ptr, string) stdcall");
var setWindowPos = new DllFunc("user32.dll", "int SetWindowPos(handle, handle, int, int, int, int, uint) stdcall");
function moveAside(title) { setWindowPos(findWindow(0, title), 0, 700, 500, 0, 0, 0x15); }
var clockMain = main, clockOnOpen = onOpen;
onOpen = function (e) { moveAside("KOVA Clock"); clockOnOpen(e); };
main = function (args) {
    // Its own event prefix keeps the clock's global handlers (onOpen sets the timer) off it.
    var backdrop = new PopupFrame(SIZE, SIZE, "clock backdrop", "backdrop_");
    backdrop.image.cls(rgb(0, 255, 0));
    backdrop.open();
    moveAside("clock backdrop");
    return clockMain(["--demo", args[0]]);
};
JS
timeout 30 ./kova "Z:$tmp/clock_screen.js" "Z:$tmp" >"$tmp/out" 2>"$tmp/err" &
kova=$!
# The demo runs three one-second ticks: look after the first.
for _ in $(seq 40); do
    xdotool search --name '^KOVA Clock$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1.5
# Other tests' clocks may be on the screen too: this one is the one at (700, 500).
found=""
for id in $(xdotool search --name '^KOVA Clock$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$X,$Y" = 700,500 ]; then found=$id; break; fi
done
import -window root "$shot"
wait "$kova"
code=$?
fail=0
check() {  # description, then the test
    local what="$1"; shift
    if ! "$@"; then echo "failed: $what"; fail=1; fi
}
check "exit code 0 (got $code)" test "$code" = 0
check "the clock's window was found at (700, 500)" test -n "$found"
# Offsets inside the clock's 180 x 180 window, as in examples/clock.js: the corners are
# transparent, (90, 6) is on the rim, (110, 13) on the face between two hour marks.
pixel() { /usr/bin/convert "$shot" -format "%[hex:p{$((X + $1)),$((Y + $2))}]" info: 2>/dev/null; }
if [ -n "$found" ] && [ -f "$shot" ]; then
    for corner in "0 0" "179 0" "0 179" "179 179"; do
        got="$(pixel $corner)"
        check "corner ($corner) shows the backdrop: got $got" test "$got" = 00FF00
    done
    got="$(pixel 90 6)"
    check "rim colour at (90, 6): got $got" test "$got" = 283C5A
    got="$(pixel 110 13)"
    check "face colour at (110, 13): got $got" test "$got" = FAF6E8
fi
[ "$fail" = 0 ] || { echo "--- output"; cat "$tmp/out"; echo "--- errors"; cat "$tmp/err"; }
exit "$fail"
