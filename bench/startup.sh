#!/usr/bin/env bash
# Start-up time of both builds in one table: a trivial console program, a program that
# only enters a COM apartment and creates the engine (the floor for any script host),
# kova.exe on a hello-world script, the platform's own console script host on the same
# script, and ./kova, the launcher, on it; each for x86_64 and i686, under the
# project's Wine prefix with a running wineserver and standard input from /dev/null.
# Prints the median and the fastest run of each in milliseconds, then what kova.exe
# adds to the floor: the median of each round's difference, as the two run back to back.
# Run from anywhere after scripts/build.sh: bench/startup.sh [runs]   (default 11)
# KOVA_ARCHES="x86_64" (or "i686") measures one build only.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-11}"
read -r -a arches <<<"${KOVA_ARCHES:-x86_64 i686}"
KOVA_ROOT="$root"
source "$root/scripts/wine-env.sh"
for arch in "${arches[@]}"; do
    build="$root/build/$arch"
    [ -f "$build/CMakeCache.txt" ] || { echo "startup.sh: no build in $build (scripts/build.sh)" >&2; exit 1; }
    # kova first: that run regenerates the build files if this target is new to them.
    cmake --build "$build" --target kova >/dev/null
    cmake --build "$build" --target bench_hello bench_hello_com >/dev/null
done
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
# The platform's 32-bit programs live in syswow64.
declare -A cscript=([x86_64]='C:\windows\system32\cscript.exe' [i686]='C:\windows\syswow64\cscript.exe')
run() {  # arch name
    local build="$root/build/$1"
    case "$2" in
        program) "$KOVA_WINE" "$build/bench_hello.exe" ;;
        com) "$KOVA_WINE" "$build/bench_hello_com.exe" ;;
        kova) "$KOVA_WINE" "$build/kova.exe" "$script" ;;
        cscript) "$KOVA_WINE" "${cscript[$1]}" //nologo "$script" ;;
        launcher) KOVA_ARCH=$1 "$root/kova" "$root/bench/hello.js" ;;
    esac </dev/null
}
# Each program must print the greeting; a warm-up run also loads the files into the
# page cache.
for arch in "${arches[@]}"; do
    for name in "${names[@]}"; do
        out="$(run "$arch" "$name" 2>&1)" || true
        [ "${out%$'\r'}" = "Hello, world!" ] || { echo "$arch $name printed: $out" >&2; exit 1; }
    done
done

# Runs take turns, so a slow moment of the machine touches every program alike; kova.exe
# runs right after the floor. Times in microseconds.
declare -A times diffs
for ((i = 0; i < runs; i++)); do
    for arch in "${arches[@]}"; do
        for name in "${names[@]}"; do
            start=$EPOCHREALTIME
            run "$arch" "$name" >/dev/null 2>&1
            end=$EPOCHREALTIME
            took=$((${end/./} - ${start/./}))
            times[$arch.$name]+="$took "
            [ "$name" = com ] && floor=$took
            [ "$name" = kova ] && diffs[$arch]+="$((took - floor)) "
        done
    done
done

ms() { awk -v u="$1" 'BEGIN { printf "%.1f", u / 1000 }'; }
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
fastest() { tr ' ' '\n' | sed '/^$/d' | sort -n | head -n 1; }
declare -A med
printf 'start-up, %d runs each, ms\n' "$runs"
printf '%-45s' program
for arch in "${arches[@]}"; do printf ' %8s %8s' "$arch" fastest; done
printf '\n'
for name in "${names[@]}"; do
    printf '%-45s' "${label[$name]}"
    for arch in "${arches[@]}"; do
        med[$arch.$name]=$(median <<<"${times[$arch.$name]}")
        printf ' %8s %8s' "$(ms "${med[$arch.$name]}")" "$(ms "$(fastest <<<"${times[$arch.$name]}")")"
    done
    printf '\n'
done
echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
for arch in "${arches[@]}"; do
    printf '%s: kova.exe beyond the COM apartment and engine: %s ms (median of the rounds), ' \
        "$arch" "$(ms "$(median <<<"${diffs[$arch]}")")"
    printf 'kova.exe / cscript.exe: %s\n' "$(ratio "${med[$arch.kova]}" "${med[$arch.cscript]}")"
done
