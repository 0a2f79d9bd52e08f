#!/usr/bin/env bash
# Frame benchmark: runs bench/frame.js (frames per second of a 640 x 480 canvas shown
# with update) RUNS times under the current X display, or under a private Xvfb of
# 1024 x 768 x 24 when DISPLAY is unset, stopped again at the end.
# Run from anywhere after scripts/build.sh: bench/frame.sh [FRAMES [RUNS]]
# FRAMES per line (default 100), RUNS of the whole table (default 3).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
frames="${1:-100}"
runs="${2:-3}"
cmake --build "$root/build/${KOVA_ARCH:-x86_64}" --target kova >/dev/null

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a display number nobody uses and writes it to the descriptor it is given.
    number="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$number"' EXIT
    for _ in $(seq 50); do [ -s "$number" ] && break; sleep 0.1; done
    [ -s "$number" ] || { echo "frame.sh: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$number")"
fi

cd "$root"
for ((run = 1; run <= runs; run++)); do
    echo "run $run of $runs (DISPLAY $DISPLAY)"
    "$root/kova" bench/frame.js "$frames" | tr -d '\r'
done
