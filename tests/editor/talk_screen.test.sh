#!/usr/bin/env bash
# Talk mode in a tmux terminal, and its editor driven with xdotool: typed lines print
# their values, the dot commands work in any case, .cls clears the terminal and .quit
# ends with exit code 0; a two-line program typed into the editor and run with F5 is
# evaluated as one unit; Cancel and the close box hand back nothing and keep the text;
# Enter copies the leading spaces and tabs; the indicator counts a tab as four
# columns; and 100 openings keep the process's threads, GDI and USER handles flat.
# editor_probe.js, run as a second process, reads the editor's windows.
. tests/editor/screen_setup.sh

start_talk talk
for line in '1+2' '"a"' 'var x = 1' x '' .HELP; do say talk "$line"; done
same "typed lines and .HELP" "$(printf '%s\n' '>1+2' 3 '>"a"' a '>var x = 1' undefined '>x' 1 '>' '>.HELP' \
    'KOVA - console script host ver0.00a,' '  by the KOVA developers' 'Command:' '    .cls, .quit, .edit, .help,' '>')" \
    "$(pane talk)"
say talk .cls
same ".cls clears the terminal" ">" "$(pane talk)"

open_editor talk
places="$(probe places)"
edit="$(grep '^edit' <<<"$places")"
click "$edit"
xdotool type 'var y = 6;'
xdotool key Return
xdotool type 'y * 7'
xdotool key F5
wait_prompt talk
same "F5 runs the text as one unit" "$(printf '%s\n' '>.edit' 42 '>')" "$(pane talk | tail -n 3)"

program='var y = 6;\r\ny * 7'
# Cancel, then the frame's close box: no value, and the text stays.
for how in ".EDIT $(grep '^cancel' <<<"$places")" ".Edit $(grep '^frame' <<<"$places" | awk '{print "close", $2 + $4 - 26, $3, 26, 24}')"; do
    read -r command place <<<"$how"
    open_editor talk "$command"
    same "the text kept for the next opening" "$program" "$(probe text)"
    before="$(pane talk)"
    click "$place"
    wait_prompt talk "$before"
    same "$command, then ${place%% *}, hands back nothing" "$(printf '%s\n' ">$command" '>')" "$(pane talk | tail -n 2)"
done

open_editor talk
click "$edit"
probe post 9  # Select all, so that typing replaces the text
xdotool type $'  \tw'
xdotool key Return
xdotool type q
sleep 0.2
same "Enter copies the indentation" '  \tw\r\n  \tq' "$(probe text)"
probe post 9
xdotool type a
xdotool key Return
xdotool type b
xdotool key Return
xdotool type $'\tcd'
sleep 0.2
same "the indicator after a tab and two letters" "3: 7" "$(probe indicator)"
read -r _ l t _ _ <<<"$edit"
xdotool mousemove $((l + 4)) $((t + 4)) click 1
sleep 0.2
same "the indicator after a click on the first line" "1: 1" "$(probe indicator)"
probe post 11
wait_prompt talk

# 100 openings, left by Cancel and by closing in turn: the lines are typed ahead, and
# the probe dismisses the editor each time it shows.
talk_pid="$(talk_process talk)"
[ -n "$talk_pid" ] || { fail "no kova.exe process for the talk window"; finish; }
threads="$(ls "/proc/$talk_pid/task" | wc -l)"
# The handle places after the editor's first openings made what it keeps, measured
# twice so that the first measurement's own allocations are not counted.
say talk .cls
say talk 'handles()'
say talk .cls
say talk 'handles()'
read -r _ gdi _ user <<<"$(pane talk | sed -n 2p)"
say talk .cls
keys=()
for _ in $(seq 100); do keys+=(.edit Enter); done
tmux -S "$sock" send-keys -t talk "${keys[@]}"
same "100 openings dismissed" "dismissed 100" "$(probe dismiss 100)"
say talk .cls
say talk 'handles()'
read -r _ gdi2 _ user2 <<<"$(pane talk | sed -n 2p)"
echo "100 openings: threads $threads -> $(ls "/proc/$talk_pid/task" | wc -l), GDI places grew by $((gdi2 - gdi)), USER by $((user2 - user))"
same "threads after 100 openings" "$threads" "$(ls "/proc/$talk_pid/task" | wc -l)"
[ $((gdi2 - gdi)) -le 5 ] && [ $((user2 - user)) -le 50 ] || fail "handles leak"

say talk .quit nowait
for _ in $(seq 50); do pane talk | grep -q '^exit' && break; sleep 0.1; done
same ".quit ends with code 0" "exit 0" "$(pane talk | tail -n 1)"
finish
