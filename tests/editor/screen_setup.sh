# Sourced by the editor's screen tests: a display (the harness's, or an Xvfb of the
# test's own on a free number), a tmux server of its own, and a private copy of
# kova.exe, so that the medit.ini the editor writes beside it starts absent and is
# thrown away afterwards. Everything started here is ended on exit.
set -euo pipefail
root="$(pwd)"
artifacts="${KOVA_ARTIFACTS:-$(dirname "${KOVA_EXE:-$root/build/x86_64/kova.exe}")/artifacts}"
tmp="$(mktemp -d)"
sock="$tmp/tmux"
xvfb=
cleanup() {
    tmux -S "$sock" kill-server 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
cp "${KOVA_EXE:-$root/build/x86_64/kova.exe}" "$tmp/kova.exe"
export KOVA_EXE="$tmp/kova.exe"
ini="$tmp/medit.ini"
if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$tmp/display")"
fi

# Wine's desktop belongs to the server's first program: one started without a display
# (by tests run without DISPLAY) leaves every later program of that server without
# windows, until the server ends, 30 s after its last program.
KOVA_ROOT="$root"
. "$root/scripts/wine-env.sh"
for desktop in $(pgrep -f 'explorer.exe /desktop' || true); do
    settings="$(tr '\0' '\n' <"/proc/$desktop/environ" 2>/dev/null)" || continue
    prefix="$(sed -n 's/^WINEPREFIX=//p' <<<"$settings")"
    if [ -n "$prefix" ] && [ "$prefix" -ef "$WINEPREFIX" ] && ! grep -q '^DISPLAY=' <<<"$settings"; then
        echo "waiting for the Wine server, whose desktop has no display, to end"
        timeout 60 "$KOVA_WINESERVER" -w || true
    fi
done

status=0
fail() { echo "FAIL $*"; status=1; }
# what, expected, got
same() {
    if [ "$2" = "$3" ]; then echo "ok   $1"; else fail "$1: expected [$2], got [$3]"; fi
}
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
        "env $* '$root/kova' -t tests/editor/editor_probe.js; echo \"exit \$?\"; sleep 60"
    wait_prompt "$name"
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
