#!/usr/bin/env bash
# WScript's console text against print and stdin.gets, and against the stock script
# host (Wine's cscript.exe, in the project's prefix): COUNT lines written with Echo,
# and read with StdIn.ReadLine. Wall times of whole runs, start-up included, the
# fastest of RUNS.   bench/wscript.sh [COUNT [RUNS]]   (defaults 100000 and 3)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-100000}"
runs="${2:-3}"
KOVA_ROOT="$root"
. "$root/scripts/wine-env.sh"
kova_wine_ready
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
script="Z:${root//\//\\}\\bench\\wscript_io.js"
for ((i = 0; i < count; i++)); do echo "line $i of the benchmark input"; done >"$tmp/input"

best() {  # input file, command...: the fastest wall time of RUNS runs, in ms
    local input="$1" min= start end ms r
    shift
    for ((r = 0; r < runs; r++)); do
        start=$(date +%s%N)
        "$@" <"$input" >"$tmp/out" 2>&1
        end=$(date +%s%N)
        ms=$(((end - start) / 1000000))
        [ -z "$min" ] || [ "$ms" -lt "$min" ] && min=$ms
    done
    echo "$min"
}
start_up=$(best /dev/null "$root/kova" "$script" print 0)
echo_k=$(best /dev/null "$root/kova" "$script" echo "$count")
print_k=$(best /dev/null "$root/kova" "$script" print "$count")
echo_c=$(best /dev/null "$KOVA_WINE" cscript.exe //nologo "$script" echo "$count")
read_k=$(best "$tmp/input" "$root/kova" "$script" readline "$count")
gets_k=$(best "$tmp/input" "$root/kova" "$script" gets "$count")
# Wine's cscript.exe has no StdIn: its ReadLine cannot be timed here.
printf '%-34s %8s\n' "$count lines, fastest of $runs, ms" wall
printf '%-34s %8s\n' "kova start-up (no lines)" "$start_up" "kova WScript.Echo" "$echo_k" "kova print" "$print_k" \
    "cscript WScript.Echo" "$echo_c" "kova WScript.StdIn.ReadLine" "$read_k" "kova stdin.gets" "$gets_k"
awk -v k="$echo_k" -v c="$echo_c" 'BEGIN { printf "Echo: cscript / kova = %.2f\n", c / k }'
