#!/usr/bin/env bash
# The editor's dialogs, driven with xdotool under talk mode in tmux: a colour typed
# into the colour dialog becomes bgColor in medit.ini and the edit area's background
# (checked on a screenshot, with the face around the buttons); a face, size and colour
# chosen in the font dialog become FontName, FontSize and fgColor; File>Save writes
# the lines with the C runtime's CR LF, File>Open splits a file with LF line ends into
# lines; under code page 932 a Shift_JIS script loads, runs and saves unchanged.
#
# The screenshot is kept as editor-screen.png among the artifacts.
. tests/editor/screen_setup.sh

ini_values() { grep -E "^($1)=" "$ini" | tr -d '\r' | tr '\n' ' '; }
windows() { echo "Z:${1//\//\\}"; }

start_talk ed
open_editor ed
places="$(probe places)"
read -r _ el et ew eh < <(grep '^edit' <<<"$places")
read -r _ xl xt xw xh < <(grep '^execute' <<<"$places")
face="$(grep '^face' <<<"$places" | cut -d' ' -f2 | tr a-f A-F)"

probe post 13  # Display>Background
for field in "706 0" "707 0" "708 255"; do fill "$(probe item Color "${field% *}")" "${field#* }"; done
click "$(probe item Color 1)"
wait_for "$ini" '^bgColor' || true
same "the colour dialog writes bgColor" "bgColor=00ff0000 " "$(ini_values bgColor)"

sleep 0.3
shot editor-screen
# x, y, expected colour, what the pixel is
while read -r x y want what; do
    check "$x" "$y" "$want" "screenshot: $what"
done <<EOF
$((el + ew / 2)) $((et + eh / 2)) 0000FF edit area in the chosen background
$((xl - 20)) $((xt + xh / 2)) $face face left of Execute
$((xl + xw + 4)) $((xt + xh / 2)) $face face between the buttons
$((xl + 4)) $((xt + xh / 2)) $face Execute's face
$xl $((xt + xh / 2)) 000000 Execute's outline
EOF

probe post 12  # Display>Font: face and size typed, Red picked from the colour list
fill "$(probe item Font 1136)" IPAGothic 9
fill "$(probe item Font 1138)" 20 9
click "$(probe item Font 1139)"
xdotool type r
xdotool key Return
wait_for "$ini" '^fgColor' || true
# 20 points at 96 dots per inch are 27 pixels.
same "the font dialog writes the font" "FontName=IPAGothic FontSize=27 fgColor=000000ff " \
    "$(ini_values 'FontName|FontSize|fgColor')"

click "$(grep '^edit' <<<"$places")"
probe post 9
xdotool type 'var a = 1;'
xdotool key Return
xdotool type 'a + 1'
probe post 3  # File>Save
fill "$(probe item 'Save Script' 1148)" "$(windows "$tmp/saved.js")"
xdotool key Return
wait_for "$tmp/saved.js" 'a + 1' || true
same "File>Save writes the lines" "$(printf 'var a = 1;\r\na + 1' | od -c)" "$(od -c <"$tmp/saved.js")"

printf 'var lf = 1;\nlf + 1\n' >"$tmp/lf.js"
probe post 2  # File>Open
fill "$(probe item 'Load Script' 1148)" "$(windows "$tmp/lf.js")"
xdotool key Return
sleep 0.3
same "File>Open splits LF lines" 'var lf = 1;\r\nlf + 1\r\n' "$(probe text)"
probe post 10
wait_prompt ed
same "the loaded script runs" "$(printf '%s\n' '>.edit' 2 '>')" "$(pane ed | tail -n 3)"
say ed .quit nowait

# Code page 932: a Shift_JIS script with CR LF line ends is loaded, run, and saved
# again byte for byte.
printf 'var s = "日本語";\r\ns.length + ":" + s\r\n' | iconv -f UTF-8 -t CP932 >"$tmp/sjis.js"
start_talk ja LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
open_editor ja
probe post 2
fill "$(probe item 'Load Script' 1148)" "$(windows "$tmp/sjis.js")"
xdotool key Return
sleep 0.3
probe post 10
wait_prompt ja
same "a Shift_JIS script loads and runs" "$(printf '%s\n' '>.edit' '3:日本語' '>')" "$(pane ja | tail -n 3)"
open_editor ja
probe post 3
fill "$(probe item 'Save Script' 1148)" "$(windows "$tmp/sjis-saved.js")"
xdotool key Return
wait_for "$tmp/sjis-saved.js" 'length' || true
cmp "$tmp/sjis.js" "$tmp/sjis-saved.js" && echo "ok   the Shift_JIS script saves unchanged" || fail "the Shift_JIS script changed"
probe post 11
finish
