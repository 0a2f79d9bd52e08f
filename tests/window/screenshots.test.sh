#!/usr/bin/env bash
# Frames on the screen: screenshots.js opens a Frame, a PopupFrame, a ToolFrame and a
# LayeredFrame over a PopupFrame at fixed places, and the screenshot taken with
# ImageMagick's import shows their canvases at their client origins: a Frame's pixels
# where ClientToScreen puts them, to its last one; a pop-up's from its window's
# corner; a tool frame's button face; through a layered frame's transparent pixels
# the frame behind it, and its opaque pixels in their colour (half-transparent ones
# are not blended without a compositor, so none are checked); a dialog frame's
# face around its button and edit box, and the edit box white inside.
#
# The screenshot is kept as window-screenshots.png in $KOVA_ARTIFACTS, by default the
# artifacts folder of the build directory (build/x86_64/artifacts).
set -euo pipefail
root="$(pwd)"
artifacts="${KOVA_ARTIFACTS:-$(dirname "${KOVA_EXE:-$root/build/x86_64/kova.exe}")/artifacts}"
tmp="$(mktemp -d)"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    echo "no DISPLAY: run under Xvfb (scripts/test.sh starts one)" >&2
    exit 1
fi

"$root/kova" tests/window/screenshots.js "Z:$tmp/ready" "Z:$tmp/done" >"$tmp/out" 2>&1 </dev/null &
pid=$!
for _ in $(seq 300); do
    [ -s "$tmp/ready" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$tmp/ready" ]; then
    echo "the script did not get ready:"
    cat "$tmp/out"
    exit 1
fi
import -window root "$tmp/shot.png"
touch "$tmp/done"
wait "$pid" || { echo "the script failed:"; cat "$tmp/out"; exit 1; }
pid=
mkdir -p "$artifacts"
cp "$tmp/shot.png" "$artifacts/window-screenshots.png"

declare -A at
while read -r name x y z; do at[$name]="$x $y${z:+ $z}"; done < <(tr -d '\r' <"$tmp/ready")
read -r r g b <<<"${at[btnface]}"
printf -v face '%02X%02X%02X' "$r" "$g" "$b"

status=0
# frame, x and y from its client origin, expected colour, what the pixel is
check() {
    local ox oy
    read -r ox oy <<<"${at[$1]}"
    local x=$((ox + $2)) y=$((oy + $3))
    local got
    got="$(/usr/bin/convert "$tmp/shot.png" -crop "1x1+$x+$y" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')"
    if [ "$got" = "$4" ]; then
        echo "ok   $1 ($2, $3) at $x,$y: $4 ($5)"
    else
        echo "FAIL $1 ($2, $3) at $x,$y: expected $4 ($5), got $got"
        status=1
    fi
}
check shot-frame 0 0 FF0000 "first pixel"
check shot-frame 9 10 FF0000 "left of the square"
check shot-frame 10 10 0000FF "square's corner"
check shot-frame 29 29 0000FF "square's far corner"
check shot-frame 30 29 FF0000 "right of the square"
check shot-frame 118 79 FF0000 "beside the last pixel"
check shot-frame 119 79 FFFFFF "last pixel"
check shot-popup 0 0 FFFF00 "first pixel, at the window's corner"
check shot-popup 1 0 00FF00 "second pixel"
check shot-popup 59 39 00FF00 "last pixel"
check shot-tool 0 0 "$face" "button face"
check shot-tool 99 49 "$face" "button face, last pixel"
check shot-layered 0 0 FF00FF "transparent: the frame behind"
check shot-layered 39 39 FF00FF "transparent, last of that half"
check shot-layered 40 0 00FFFF "opaque"
check shot-layered 79 39 00FFFF "opaque, last pixel"
check shot-behind 99 59 FF00FF "the frame behind, beside the layered one"
check shot-controls 5 5 "$face" "dialog face"
check shot-controls 159 69 "$face" "dialog face, last pixel"
check shot-controls 80 20 "$face" "face right of the button"
check shot-controls 20 30 "$face" "inside the button, clear of its caption"
check shot-controls 140 50 FFFFFF "inside the edit box"
[ "$status" = 0 ] || echo "screenshot: $artifacts/window-screenshots.png"
exit "$status"
