#!/usr/bin/env bash
# An ActiveX control in a frame on the screen: axctrl_screen.js hosts the test
# control, which paints itself 0x2080C0, on a white canvas. The screenshot shows it at
# its place, to its last pixel; a click with xdotool reaches the frame's handler
# object with the point in the control's coordinates, and the handler's change of
# the control's colour through its object shows in a second screenshot.
#
# The screenshots are kept as com-axctrl.png and com-axctrl-clicked.png.
. tests/screen_lib.sh

start_script tests/com/axctrl_screen.js "Z:$tmp/ready" "Z:$tmp/clicked" "Z:$tmp/done"
wait_for "$tmp/ready" || give_up "the script did not get ready"
places "$tmp/ready"
read -r ox oy <<<"${at[frame]}"
shot com-axctrl
# x and y from the frame's client origin, expected colour, what the pixel is
while read -r dx dy want what; do
    check $((ox + dx)) $((oy + dy)) "$want" "$what ($dx, $dy)"
done <<EOT
19 10 FFFFFF canvas left of the control
20 10 2080C0 control's first pixel
139 69 2080C0 control's last pixel
140 69 FFFFFF canvas right of the control
79 70 FFFFFF canvas below the control
EOT

xdotool mousemove $((ox + 26)) $((oy + 17)) click 1
wait_for "$tmp/clicked" || give_up "the click did not reach the handler"
same "the handler's point" "clicked 6 7" "$(tr -d '\r' <"$tmp/clicked")"
sleep 0.3
shot com-axctrl-clicked
check $((ox + 20)) $((oy + 10)) FF0000 "control turned red, first pixel"
check $((ox + 139)) $((oy + 69)) FF0000 "control turned red, last pixel"
touch "$tmp/done"
end_script
finish
