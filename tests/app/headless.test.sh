#!/usr/bin/env bash
# Without DISPLAY, ./kova gives each run a private Xvfb: a frame opens and gets its
# events, exit() in a handler passes its code through, two runs at once get two
# displays, and no Xvfb outlives its run, however the run ends (its end, a TERM, a
# KILL). The Xvfb of these runs are told apart from any other by a word of their
# environment. (A run without any display is not tried here: the first program of a
# Wine server to need a desktop gives it its own display, and one without would leave
# the other tests' programs without windows.)
set -uo pipefail
root="$(pwd)"
tag="kova-headless-$$"
tmp="$(mktemp -d)"
trap 'kill $(ours) 2>/dev/null; rm -rf "$tmp"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
ours() {
    local p
    for p in $(pgrep -x Xvfb); do
        grep -qxF "KOVA_HEADLESS_TAG=$tag" < <(tr '\0' '\n' 2>/dev/null <"/proc/$p/environ") && echo "$p"
    done
}
# Waits up to 3 s for every Xvfb of these runs to end.
none_left() {
    for _ in $(seq 30); do [ -z "$(ours)" ] && return 0; sleep 0.1; done
    fail "$1: Xvfb left running"
}
# Runs headless.js with the words given, without a display, its output in $tmp/$1.
run() {
    local name=$1
    shift
    env -u DISPLAY KOVA_HEADLESS_TAG="$tag" "$root/kova" tests/app/headless.js "$@" </dev/null >"$tmp/$name" 2>&1
}
expect() {  # name, exit code, expected code, expected output
    local out
    out="$(tr -d '\r' <"$tmp/$1")"
    [ "$2" = "$3" ] && [ "$out" = "$4" ] || fail "$1: exit code $2 (expected $3), output: $out"
}

both=$'open true\ntimer true true'
run alone; expect alone $? 3 "$both"
[ -z "$(ours)" ] || fail "alone: Xvfb still running when ./kova returned"

# Two runs at once, each on a display of its own; the second goes on, and opens
# another window, after the first and its display have ended.
run first 4 & first=$!
run second 10 & second=$!
n=0
for _ in $(seq 300); do n=$(ours | wc -l); [ "$n" = 2 ] && break; sleep 0.1; done
[ "$n" = 2 ] || fail "two runs at once: $n Xvfb"
wait $first; expect first $? 3 "$both"
wait $second; expect second $? 3 "$both"
none_left "two runs"

# A run ended from outside, by TERM and by KILL.
for signal in TERM KILL; do
    env -u DISPLAY KOVA_HEADLESS_TAG="$tag" "$root/kova" tests/app/headless.js 30 </dev/null >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do [ -n "$(ours)" ] && break; sleep 0.1; done
    sleep 1
    kill -s $signal $pid
    wait $pid 2>/dev/null
    none_left "a run ended by $signal"
done

exit $status
