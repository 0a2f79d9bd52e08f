#!/usr/bin/env bash
# COM benchmarks: registers the test server (kova_test_com.dll, built with kova.exe) in
# the project's Wine prefix, then runs bench/com.js.
# Run from anywhere after scripts/build.sh: bench/com.sh [count]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/x86_64"
cmake --build "$build" --target kova kova_test_com >/dev/null
KOVA_ROOT="$root"
source "$root/scripts/wine-env.sh"
kova_wine_ready
dll="Z:${build//\//\\}\\com\\kova_test_com.dll"
"$KOVA_WINE" regsvr32 /s "$dll" </dev/null >/dev/null 2>&1
cd "$root"
"$root/kova" bench/com.js "$@"
