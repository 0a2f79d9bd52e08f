#!/usr/bin/env bash
# A script that opens no window, times nothing and draws nothing with alpha starts
# without the libraries only those need (they are delay-loaded and readied on first
# use); one that calls tick() loads the multimedia library for it. Wine lists each DLL
# as it loads, with the process's id: other processes (the desktop's, a 32-bit build's
# start.exe) are left out.
set -u
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
printf 'function main() { print("ok"); }\n' >"$tmp/quiet.js"
printf 'function main() { print(tick() > 0 ? "ok" : "no tick"); }\n' >"$tmp/tick.js"
unneeded='comctl32|comdlg32|shell32|atl|winmm|msacm32|msimg32'

exe="${KOVA_EXE##*/}"
loaded() {  # script: the DLLs the process loaded, lower-case, one a line
    WINEDEBUG=+pid,+loaddll ./kova "$tmp/$1" </dev/null 2>"$tmp/$1.log" >"$tmp/$1.out"
    [ "$(tr -d '\r' <"$tmp/$1.out")" = ok ] || { echo "$1 printed: $(cat "$tmp/$1.out")"; return 1; }
    local pid
    pid="$(grep -F "\\$exe\" at " "$tmp/$1.log" | head -n 1 | cut -d: -f1)"
    grep "^$pid:" "$tmp/$1.log" | sed -n 's/.*Loaded L"[^"]*\\\([^"\\]*\)".*/\1/p' | tr 'A-Z' 'a-z'
}
fail=0
quiet="$(loaded quiet.js)" || exit 1
[ -n "$quiet" ] || { echo "no DLL list from WINEDEBUG=+loaddll"; exit 1; }
if grep -Ex "($unneeded)\.dll" <<<"$quiet"; then
    echo "^ loaded at start-up by a script that needs none of them"
    fail=1
fi
tick="$(loaded tick.js)" || exit 1
grep -qx winmm.dll <<<"$tick" || { echo "tick() ran without winmm.dll loaded"; fail=1; }
exit $fail
