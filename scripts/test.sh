#!/usr/bin/env bash
# Sets up (quickly, when already done), builds both targets, runs the native
# sanitizer tests and fuzzers, then every test of the program under ctest: unit
# tests and script tests, run under Wine. Needs no display of
# its own: a private Xvfb is started when DISPLAY is unset.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# Native sanitizer tests and a bounded fuzzing run of every byte parser.
"$root/scripts/fuzz.sh" "${KOVA_FUZZ_SECONDS:-60}"

if [ -z "${DISPLAY:-}" ]; then
    display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || true' EXIT
    export DISPLAY="$display"
fi

cd "$root/build/x86_64"
ctest -j "$(nproc)" --output-on-failure --timeout 300 </dev/null
