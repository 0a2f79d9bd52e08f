#!/usr/bin/env bash
# Start-up time: a trivial console program, kova.exe on a hello-world script and the
# platform's own console script host on the same script, run in turn under the
# project's Wine prefix with a running wineserver and standard input from /dev/null.
# Beside them: a program that only enters a COM apartment and creates the engine (the
# floor for any script host), and ./kova, the launcher, on the script.
# Prints the median and the fastest run of each, in milliseconds.
# Run from anywhere after scripts/build.sh: bench/startup.sh [runs]   (default 9)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-9}"
build="$root/build/${KOVA_ARCH:-x86_64}"
# kova first: that run regenerates the build files if this target is new to them.
cmake --build "$build" --target kova >/dev/null
cmake --build "$build" --target bench_hello bench_hello_com >/dev/null
KOVA_ROOT="$root"
source "$root/scripts/wine-env.sh"
kova_wine_ready

script="Z:${root//\//\\}\\bench\\hello.js"
names=(program com kova cscript launcher)
declare -A label=(
    [program]="trivial console program (bench/hello.c)"
    [com]="COM apartment and engine (bench/hello_com.c)"
    [kova]="kova.exe bench/hello.js"
    [cscript]="cscript.exe //nologo bench/hello.js"
    [launcher]="./kova bench/hello.js (the launcher too)"
)
run() {
    case "$1" in
        program) "$KOVA_WINE" "$build/bench_hello.exe" ;;
        com) "$KOVA_WINE" "$build/bench_hello_com.exe" ;;
        kova) "$KOVA_WINE" "$build/kova.exe" "$script" ;;
        cscript) "$KOVA_WINE" cscript.exe //nologo "$script" ;;
        launcher) "$root/kova" "$root/bench/hello.js" ;;
    esac </dev/null
}
# Each program must print the greeting; a warm-up run also loads the files into the
# page cache.
for name in "${names[@]}"; do
    out="$(run "$name" 2>&1)" || true
    [ "${out%$'\r'}" = "Hello, world!" ] || { echo "$name printed: $out" >&2; exit 1; }
done

# Runs take turns, so a slow moment of the machine touches every program alike.
declare -A times
for ((i = 0; i < runs; i++)); do
    for name in "${names[@]}"; do
        start=$EPOCHREALTIME
        run "$name" >/dev/null 2>&1
        end=$EPOCHREALTIME
        times[$name]+="$(((${end/./} - ${start/./}) / 1000)) "
    done
done

median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
fastest() { tr ' ' '\n' | sed '/^$/d' | sort -n | head -n 1; }
declare -A med
printf 'start-up, %d runs each, ms\n' "$runs"
printf '%-45s %7s %7s\n' program median fastest
for name in "${names[@]}"; do
    med[$name]=$(median <<<"${times[$name]}")
    printf '%-45s %7s %7s\n' "${label[$name]}" "${med[$name]}" "$(fastest <<<"${times[$name]}")"
done
echo
printf 'kova.exe own work (median minus the trivial program): %d ms\n' $((med[kova] - med[program]))
printf 'kova.exe beyond the COM apartment and engine: %d ms\n' $((med[kova] - med[com]))
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf 'kova.exe / cscript.exe: %s (target: at most 0.50; the COM floor alone: %s)\n' \
    "$(ratio "${med[kova]}" "${med[cscript]}")" "$(ratio "${med[com]}" "${med[cscript]}")"
