#!/usr/bin/env bash
# Input boxes on the screen, typed into for real: dialog_screens.js shows a prompt
# with a two-line message, a passwd and a prompt in turn. Each is clicked into and
# typed into with xdotool, left with Tab (so no caret blinks in the picture),
# photographed with ImageMagick's import, and confirmed with Return; the script
# prints what each returned. The prompt's box must sit centred on the screen at the
# size it reports, its face and edit field in their colours, its message in two
# lines; the passwd field, typed "secret", must look exactly like a prompt field
# typed "******", and unlike the prompt field typed "secret".
#
# The pictures are kept as dialog-screens-N.png in $KOVA_ARTIFACTS, by default the
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
mkdir -p "$artifacts"

"$root/kova" tests/window/dialog_screens.js "Z:$tmp" >"$tmp/out" 2>&1 </dev/null &
pid=$!

status=0
fail() { echo "FAIL $*"; status=1; }
# The colour of the picture's pixel at x, y as RRGGBB.
pixel() {
    /usr/bin/convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}
declare -A at
# box number, text to type, caption: waits for the box, types, photographs and
# confirms it; reads its places into at[], and its window's geometry on the display.
drive() {
    local ready="$tmp/ready$1"
    for _ in $(seq 300); do
        [ -s "$ready" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$ready" ]; then
        echo "box $1 did not show:"
        cat "$tmp/out"
        exit 1
    fi
    at=()
    while read -r name x y w h; do at[$name]="$x $y $w $h"; done < <(tr -d '\r' <"$ready")
    local x y w h
    read -r x y w h <<<"${at[edit]}"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    sleep 0.2
    xdotool type --delay 30 "$2"
    xdotool key Tab
    sleep 0.3
    import -window root "$tmp/shot$1.png"
    cp "$tmp/shot$1.png" "$artifacts/dialog-screens-$1.png"
    /usr/bin/convert "$tmp/shot$1.png" -crop "${w}x${h}+$x+$y" +repage "$tmp/field$1.png"
    geometry="$(xdotool search --name "^$3\$" getwindowgeometry 2>/dev/null | tr '\n' ' ' || true)"
    xdotool key Return
}

drive 0 secret "screen prompt"
# The prompt's box: where and how big, and what it shows.
read -r wx wy ww wh <<<"${at[window]}"
[[ $geometry == *"Position: $wx,$wy "*"Geometry: ${ww}x$wh"* ]] && echo "ok   on the display at $wx,$wy, ${ww}x$wh" || fail "the box's window on the display: $geometry, not at $wx,$wy size ${ww}x$wh"
read -r sw sh < <(xdotool getdisplaygeometry)
[ "$wx" = $(((sw - ww) / 2)) ] && [ "$wy" = $(((sh - wh) / 2)) ] && echo "ok   centred" || fail "box at $wx,$wy: not centred for ${ww}x$wh"
read -r cx cy cw ch <<<"${at[client]}"
read -r ex ey ew eh <<<"${at[edit]}"
read -r ox oy ow oh <<<"${at[ok]}"
read -r r g b <<<"${at[face]}"
printf -v face '%02X%02X%02X' "$r" "$g" "$b"
# what, x, y on the screen, colour
check() {
    local got
    got="$(pixel "$tmp/shot0.png" "$2" "$3")"
    if [ "$got" = "$4" ]; then echo "ok   $1 at $2,$3: $4"; else fail "$1 at $2,$3: expected $4, got $got"; fi
}
check "face, top left" $((cx + 2)) $((cy + 2)) "$face"
check "face, bottom right" $((cx + cw - 3)) $((cy + ch - 3)) "$face"
check "face between the message and the button" $((ox - 6)) $((oy + 2)) "$face"
check "edit field inside, past the text" $((ex + ew - 8)) $((ey + eh / 2)) FFFFFF
# The message: rows with dark pixels between the top and the edit field, left of the
# buttons, make two bands.
bands="$(/usr/bin/convert "$tmp/shot0.png" -crop "$((ox - 4 - cx - 8))x$((ey - 2 - cy - 4))+$((cx + 8))+$((cy + 4))" +repage \
    -colorspace gray -threshold 50% -negate -scale "1x$((ey - 2 - cy - 4))!" -depth 8 txt:- |
    sed -n 's/^0,\([0-9]*\):.*gray(\([0-9]*\)).*/\2/p' |
    awk '{ dark = $1 > 0; if (dark && !was) n++; was = dark } END { print n + 0 }')"
[ "$bands" = 2 ] && echo "ok   the message shows in two lines" || fail "the message shows in $bands bands of text, not 2"

drive 1 secret "screen passwd"
drive 2 '******' "screen stars"
wait "$pid" || { echo "the script failed:"; cat "$tmp/out"; exit 1; }
pid=
out="$(tr -d '\r' <"$tmp/out")"
expected=$'screen prompt: secret\nscreen passwd: secret\nscreen stars: ******'
[ "$out" = "$expected" ] && echo "ok   typed text returned" || fail "returned: $out"
same() { [ "$(/usr/bin/compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
same "$tmp/field1.png" "$tmp/field2.png" && echo "ok   the passwd field looks like six stars" ||
    fail "the passwd field typed secret differs from a field typed ******"
same "$tmp/field1.png" "$tmp/field0.png" && fail "the passwd field typed secret looks like a plain one" ||
    echo "ok   the passwd field does not look like a plain one typed the same"
[ "$status" = 0 ] || echo "pictures: $artifacts/dialog-screens-*.png"
exit "$status"
