#!/usr/bin/env bash
# A progress box of its own thread lives while the script computes without serving
# messages (progress_screen.js): the screenshot shows its bar filled to 12.3 % in the
# highlight colour and empty beyond, its face, and its message drawn; a click on its
# Cancel button with xdotool is taken meanwhile, so the script's next step answers false.
# The screenshot is kept as progress-screen.png among the artifacts.
. tests/screen_lib.sh

start_script tests/window/progress_screen.js "Z:$tmp/ready" "Z:$tmp/done"
wait_for "$tmp/ready" '^face' || give_up "the script did not get ready"
sleep 1  # the script computes by now: what the box shows, its thread drew
shot progress-screen

places "$tmp/ready"
# The place's colour, written as a COLORREF in hex (BBGGRR), as RRGGBB.
rgb() { local c="${at[$1]}"; echo "${c:4:2}${c:2:2}${c:0:2}" | tr a-f A-F; }
read -r cx cy <<<"${at[client]}"
read -r bl bt br bb <<<"${at[bar]}"
read -r ul ut ur ub <<<"${at[button]}"
inner=$((br - bl - 2)) mid=$(((bt + bb) / 2))
check $((bl + 1)) $mid "$(rgb highlight)" "the bar's first pixel"
check $((bl + 1 + inner / 10)) $mid "$(rgb highlight)" "the bar at 10 %"
check $((bl + 1 + inner * 15 / 100)) $mid "$(rgb window)" "the bar at 15 %, empty"
check $((br - 2)) $mid "$(rgb window)" "the bar's last pixel"
check $((cx + 2)) $((cy + 2)) "$(rgb face)" "the face"
check $((ul - 2)) $((ub - 2)) "$(rgb face)" "the face beside the button"
# The message starts at (8, 10) in the client area: its first word has dark pixels.
dark="$(/usr/bin/convert "$shot" -crop "40x8+$((cx + 8))+$((cy + 12))" -colorspace Gray \
    -format '%[fx:int(255*minima)]' info:)"
[ "$dark" -lt 100 ] && echo "ok   the message is drawn" || fail "no message drawn ($dark)"

xdotool mousemove $(((ul + ur) / 2)) $(((ut + ub) / 2)) click 1
sleep 0.5
touch "$tmp/done"
end_script
same "clicked while the script computed" $'computed for a second or more\nstep: false, close: false' "$out"
finish
