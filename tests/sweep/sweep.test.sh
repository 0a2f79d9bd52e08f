#!/usr/bin/env bash
# The hostile-argument sweep: sweep.js and sweep.vbs call every member of the
# runtime's method and property tables and every global function with awkward values
# (members.sh reads them from src/, so a new member is swept the day it is added).
# Each run has a time limit; it fails on a crash (Wine's backtrace, a non-zero exit
# code), a hang (the limit), a crash dialog of Wine's debugger left on the display, a
# script error or an engine error report on standard error, or a fault the sweep
# itself counted (a wrong argument count that passed, a read-only property written,
# a class or global the sweep does not know). The 32-bit build runs under an
# emulator, about 8 times slower: it sweeps a smaller, fixed set of values.
#
# Run from the source root with KOVA_EXE set (and KOVA_ARCH=i686 for the 32-bit
# build); KOVA_SWEEP=full, small or tiny overrides the choice by target.
set -uo pipefail
root="$(pwd)"
here="$root/tests/sweep"
tmp="$(mktemp -d)"
cleanup() {
    [ -z "${KOVA_XVFB_PID:-}" ] || kova_display_stop
    rm -rf "$tmp"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    . "$root/scripts/private-display.sh"
    kova_display_start || { echo "no display, and $KOVA_DISPLAY_WHY"; exit 1; }
fi

# Value sets (see the scripts): the 64-bit build sweeps with the small set (the full
# one takes about 3 minutes a run: KOVA_SWEEP=full), the emulated 32-bit build with
# the tiny one.
if [ "${KOVA_ARCH:-x86_64}" = i686 ]; then
    sizes=(tiny tiny) limit=150
else
    sizes=(small small) limit=120
fi
[ -z "${KOVA_SWEEP:-}" ] || sizes=("$KOVA_SWEEP" "$KOVA_SWEEP")
"$here/members.sh" >"$tmp/members.txt" || exit 1
"$here/members.sh" --vbs >"$tmp/calls.vbs" || exit 1

status=0
scripts=(sweep.js sweep.vbs)
for i in 0 1; do
    script=${scripts[$i]} size=${sizes[$i]}
    # A folder of the run's own: files the sweep writes under odd names land there.
    work="$tmp/work-$script"
    mkdir -p "$work"
    start=$(date +%s)
    # Standard output goes through a pipe: the sweep rewinds stdout, which on a file
    # would write its summary over its first lines.
    (cd "$work" && timeout -k 5 "$limit" "$root/kova" "$here/$script" "$tmp/members.txt" "$size" "$tmp/calls.vbs" \
        </dev/null 2>"$tmp/err" | cat >"$tmp/out")
    code=${PIPESTATUS[0]}
    seconds=$(($(date +%s) - start))
    tr -d '\r' <"$tmp/out" | grep -a -E '^[A-Za-z ]+: [0-9]+ calls|^calls left|^sleep calls|^FAULT|^sweep: ' \
        >"$tmp/summary"
    echo "== $script ($size values, ${KOVA_ARCH:-x86_64}): ${seconds} s, exit code $code"
    cat "$tmp/summary"
    failed=
    if [ "$code" = 124 ] || [ "$code" = 137 ]; then
        failed="hung: still running after $limit s"
    elif [ "$code" != 0 ]; then
        failed="ended with exit code $code"
    elif ! grep -q '^sweep: done, 0 faults$' "$tmp/summary"; then
        failed="no clean last line"
    fi
    # Standard error: what the sweep wrote there itself, and what the programs it
    # started wrote, lies between marker lines; Wine's own notes begin with "wine:"
    # or a thread number.
    tr -d '\r' <"$tmp/err" | sed '/^sweep: stderr writes begin$/,/^sweep: stderr writes end$/d' |
        grep -a -v -E '^$|^wine: Read access denied|^[0-9a-f]{4}:(fixme|warn|trace):' |
        # Programs started without waiting may still write after the end marker: the
        # command interpreter's own complaints about the odd commands.
        grep -a -v -E "internal or external command|^(or )?batch script\.$|^Invalid name\.$" >"$tmp/err-left" || true
    if [ -s "$tmp/err-left" ]; then
        [ -n "$failed" ] || failed="standard error not empty"
        head -c 2000 "$tmp/err-left"
        echo
    fi
    if grep -a -q -E 'Unhandled exception|^Backtrace:' "$tmp/out" "$tmp/err"; then
        [ -n "$failed" ] || failed="crashed"
        grep -a -m 5 -E 'Unhandled exception|^Backtrace:' "$tmp/out" "$tmp/err"
    fi
    # Wine's crash dialog (winedbg) would wait for a click for ever.
    if command -v xdotool >/dev/null && xdotool search --name 'Program Error' >/dev/null 2>&1; then
        [ -n "$failed" ] || failed="Wine's crash dialog is open"
    fi
    if [ -n "$failed" ]; then
        echo "FAILED: $script: $failed"
        tail -c 1500 "$tmp/out" | tr -d '\r' | grep -a -v '^x*$' | tail -n 15
        status=1
    fi
done
exit $status
