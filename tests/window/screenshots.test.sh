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
# The screenshot is kept as window-screenshots.png among the artifacts.
. tests/screen_lib.sh

start_script tests/window/screenshots.js "Z:$tmp/ready" "Z:$tmp/done"
wait_for "$tmp/ready" || give_up "the script did not get ready"
shot window-screenshots
touch "$tmp/done"
end_script

places "$tmp/ready"
face="$(colour btnface)"
# frame, x and y from its client origin, expected colour, what the pixel is
while read -r frame dx dy want what; do
    read -r ox oy _ <<<"${at[$frame]}"
    check $((ox + dx)) $((oy + dy)) "$want" "$frame ($dx, $dy), $what"
done <<EOT
shot-frame 0 0 FF0000 first pixel
shot-frame 9 10 FF0000 left of the square
shot-frame 10 10 0000FF square's corner
shot-frame 29 29 0000FF square's far corner
shot-frame 30 29 FF0000 right of the square
shot-frame 118 79 FF0000 beside the last pixel
shot-frame 119 79 FFFFFF last pixel
shot-popup 0 0 FFFF00 first pixel, at the window's corner
shot-popup 1 0 00FF00 second pixel
shot-popup 59 39 00FF00 last pixel
shot-tool 0 0 $face button face
shot-tool 99 49 $face button face, last pixel
shot-layered 0 0 FF00FF transparent: the frame behind
shot-layered 39 39 FF00FF transparent, last of that half
shot-layered 40 0 00FFFF opaque
shot-layered 79 39 00FFFF opaque, last pixel
shot-behind 99 59 FF00FF the frame behind, beside the layered one
shot-controls 5 5 $face dialog face
shot-controls 159 69 $face dialog face, last pixel
shot-controls 80 20 $face face right of the button
shot-controls 20 30 $face inside the button, clear of its caption
shot-controls 140 50 FFFFFF inside the edit box
EOT
finish
