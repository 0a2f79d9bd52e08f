#!/usr/bin/env bash
# Registers the COM test server (its Windows path: $1) in the test prefix. Wine's
# 64-bit regsvr32 hands a 32-bit DLL to its 32-bit twin, which under qemu's i386
# emulator has been seen to hang (once, in a full run of both suites): an attempt
# gets 25 s, and a hung one is tried again.
set -u
run="$(dirname "${BASH_SOURCE[0]}")/../wine-run.sh"
for attempt in 1 2 3; do
    timeout -k 5 25 "$run" regsvr32 /s "$1" && exit 0
    echo "regsvr32 attempt $attempt failed or hung (exit $?)"
done
exit 1
