# Sourced by the editor's screen tests, on top of tests/screen_lib.sh: a tmux server of
# the test's own, and a private copy of kova.exe, so that the medit.ini the editor
# writes beside it starts absent and is thrown away afterwards.
. tests/screen_lib.sh
sock="$tmp/tmux"
on_exit() { tmux -S "$sock" kill-server 2>/dev/null; }
cp "${KOVA_EXE:-$root/build/x86_64/kova.exe}" "$tmp/kova.exe"
export KOVA_EXE="$tmp/kova.exe"
ini="$tmp/medit.ini"

probe() { "$root/kova" tests/editor/editor_probe.js "$@" </dev/null | tr -d '\r'; }
# Clicks the middle of a place that probe printed ("name left top width height"), or
# dy pixels below its top when given.
click() {
    local l t w h
    read -r _ l t w h <<<"$1"
    [[ ${h:-} =~ ^[0-9]+$ ]] || { fail "nothing to click: $1"; exit 1; }
    xdotool mousemove $((l + w / 2)) $((t + ${2:-$((h / 2))})) click 1
    sleep 0.1
}
# Replaces the text of the edit field at that place.
fill() {
    click "$1" "${3:-}"
    xdotool key End shift+Home type "$2"
}

# Talk mode in a tmux window of the given name; the rest are environment settings.
start_talk() {
    local name="$1"
    shift
    tmux -S "$sock" -u new-session -d -s "$name" -x 120 -y 40 \
        "env KOVA_TALK_WINDOW='$sock:$name' $* '$root/kova' -t tests/editor/editor_probe.js; echo \"exit \$?\"; sleep 60"
    wait_prompt "$name"
}
# The process of the kova.exe in the talk window of that name. Wine starts a 32-bit
# program through start.exe, so it is no child of the window's shell: it is known by
# the variable start_talk gave it.
talk_process() {
    local pid
    for pid in $(pgrep -x kova.exe); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "KOVA_TALK_WINDOW=$sock:$1"; then
            echo "$pid"
            return
        fi
    done
}
# The pane's text without blank lines, nor Wine's own notes from the file dialogs.
pane() { tmux -S "$sock" capture-pane -p -t "$1" | sed -e '/^$/d' -e '/^wine: /d'; }
# Waits until the pane's last line is the prompt, and differs from what it was.
wait_prompt() {
    for _ in $(seq 150); do
        local now
        now="$(pane "$1")"
        [ "${now##*$'\n'}" = ">" ] && [ "$now" != "${2:-}" ] && return 0
        sleep 0.1
    done
    fail "no prompt in $1:"
    pane "$1"
    return 1
}
# Types a line into talk mode; waits for the next prompt unless told "nowait".
say() {
    local before
    before="$(pane "$1")"
    tmux -S "$sock" send-keys -t "$1" -l "$2"
    tmux -S "$sock" send-keys -t "$1" Enter
    [ "${3:-}" = nowait ] || wait_prompt "$1" "$before"
}
# Types .edit (or the command given) and waits for the editor.
open_editor() {
    say "$1" "${2:-.edit}" nowait
    [ "$(probe shown)" = shown ] || fail "the editor did not show"
}
