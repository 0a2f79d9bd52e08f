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
# The pictures are kept as dialog-screens-N.png among the artifacts.
. tests/screen_lib.sh

start_script tests/window/dialog_screens.js "Z:$tmp"
# box number, text to type, caption: waits for the box, types, photographs and
# confirms it; reads its places into at[], and its window's geometry on the display.
drive() {
    wait_for "$tmp/ready$1" || give_up "box $1 did not show"
    places "$tmp/ready$1"
    local x y w h
    read -r x y w h <<<"${at[edit]}"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    sleep 0.2
    xdotool type --delay 30 "$2"
    xdotool key Tab
    sleep 0.3
    shot "dialog-screens-$1"
    /usr/bin/convert "$shot" -crop "${w}x${h}+$x+$y" +repage "$tmp/field$1.png"
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
face="$(colour face)"
check $((cx + 2)) $((cy + 2)) "$face" "face, top left"
check $((cx + cw - 3)) $((cy + ch - 3)) "$face" "face, bottom right"
check $((ox - 6)) $((oy + 2)) "$face" "face between the message and the button"
check $((ex + ew - 8)) $((ey + eh / 2)) FFFFFF "edit field inside, past the text"
# The message: rows with dark pixels between the top and the edit field, left of the
# buttons, make two bands.
bands="$(/usr/bin/convert "$shot" -crop "$((ox - 4 - cx - 8))x$((ey - 2 - cy - 4))+$((cx + 8))+$((cy + 4))" +repage \
    -colorspace gray -threshold 50% -negate -scale "1x$((ey - 2 - cy - 4))!" -depth 8 txt:- |
    sed -n 's/^0,\([0-9]*\):.*gray(\([0-9]*\)).*/\2/p' |
    awk '{ dark = $1 > 0; if (dark && !was) n++; was = dark } END { print n + 0 }')"
same "the message shows in two lines of text" 2 "$bands"

drive 1 secret "screen passwd"
drive 2 '******' "screen stars"
end_script
same "typed text returned" $'screen prompt: secret\nscreen passwd: secret\nscreen stars: ******' "$out"
looks_same() { [ "$(/usr/bin/compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
looks_same "$tmp/field1.png" "$tmp/field2.png" && echo "ok   the passwd field looks like six stars" ||
    fail "the passwd field typed secret differs from a field typed ******"
looks_same "$tmp/field1.png" "$tmp/field0.png" && fail "the passwd field typed secret looks like a plain one" ||
    echo "ok   the passwd field does not look like a plain one typed the same"
finish
