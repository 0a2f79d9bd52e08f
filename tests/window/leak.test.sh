#!/usr/bin/env bash
# 1,000 openings and closings of a frame with a canvas, a timer and a menu bar, 500
# of a dialog frame with a button and an edit box, and 100 of prompt's input box over
# a frame (cancelled by its timer) leave the GDI and USER handles where they were,
# and so do 500 of a progress box on its own thread and one over a frame, which leave
# no thread behind either; the same measurement over 300 cycles that each keep one
# brush and one menu shows the growth, so the check can fail. leak.js measures by
# handle growth in each half of the cycles. USER handle places are two apart, and
# come from a table that other programs on the same Wine server use as well: hence
# the margin. About 150 s on an idle machine, the progress boxes a third of it: each
# box with a thread of its own costs Wine a display connection.
set -euo pipefail
root="$(pwd)"
status=0
# cycles, kind: sets gdi and user to the growth leak.js prints
# A run that fails shows its exit code and everything it wrote, Wine's diagnostics too.
err="$(mktemp)"
trap 'rm -f "$err"' EXIT
measure() {
    local out code=0
    out="$(WINEDEBUG=-all,err+winediag "$root/kova" tests/window/leak.js "$@" </dev/null 2>"$err" | tr -d '\r')" ||
        code=$?
    read -r _ gdi _ user _ threads <<<"$out"
    if ! [[ ${gdi:-} =~ ^-?[0-9]+$ && ${user:-} =~ ^-?[0-9]+$ && ${threads:-} =~ ^-?[0-9]+$ ]]; then
        echo "FAIL: leak.js $* (exit code $code): $out"
        cat "$err"
        exit 1
    fi
}
# cycles, kind, what it is: the handles must stay flat
flat() {
    measure "$1" "$2"
    echo "$1 cycles of $3: GDI handles grew by $gdi places, USER by $user in each half; threads by $threads"
    if [ "$gdi" -gt 5 ] || [ "$user" -gt 50 ]; then echo "FAIL: handles leak"; status=1; fi
    if [ "$threads" -gt 2 ]; then echo "FAIL: threads pile up"; status=1; fi
}
flat 1000 frame "a frame"
flat 500 controls "a frame with controls"
flat 100 prompt "prompt's input box over a frame"
flat 500 progress "a progress box on its own thread and one over a frame"
measure 300 leak
echo "300 cycles keeping a brush and a menu each: GDI handles grew by $gdi places, USER by $user in each half"
if [ "$gdi" -lt 135 ] || [ "$user" -lt 270 ]; then echo "FAIL: the measurement misses a leak"; status=1; fi
exit "$status"
