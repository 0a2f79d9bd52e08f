#!/usr/bin/env bash
# The 64-bit and the 32-bit build side by side. Runs startup.sh once (it times both
# builds), then dispatch.js, native.js, codec.sh and frame.sh once for each build
# (KOVA_ARCH=x86_64, then i686, benchmark by benchmark) and prints one Markdown table of
# a few of their figures, with the columns what, x86_64, i686 and unit. Progress goes
# to standard error.
# Run from anywhere after scripts/build.sh: bench/targets.sh [COUNT [FRAMES]]
# COUNT: calls per loop of dispatch.js and native.js (default 300,000, which keeps each
# 32-bit run under half a minute); FRAMES per line of frame.js (default 50). frame.sh
# starts a private Xvfb for each run when DISPLAY is unset and stops it again.
# The whole run takes about nine minutes, half of it codec.sh for the 32-bit build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-300000}"
frames="${2:-50}"
arches=(x86_64 i686)
# The scripts exec bench/timing.inc from the repository root.
cd "$root"

measure() {  # name command...
    local name=$1 arch
    shift
    for arch in "${arches[@]}"; do
        echo "targets.sh: $name, $arch" >&2
        out[$arch.$name]="$(KOVA_ARCH=$arch "$@" | tr -d '\r')"
    done
}
declare -A out
echo "targets.sh: startup, both builds" >&2
startup="$(bench/startup.sh 11 | tr -d '\r')"
measure dispatch ./kova bench/dispatch.js "$count"
measure native ./kova bench/native.js "$count"
measure codec bench/codec.sh 1 1
measure frame bench/frame.sh "$frames" 1

# A figure from one benchmark's output: the line that begins with the words given (runs
# of spaces count as one), its field-th word (counted from the end when negative).
figure() {  # output words field
    tr -s ' ' <<<"$1" | awk -v p="$2 " -v f="$3" '
        index($0, p) == 1 { print $(f < 0 ? NF + f + 1 : f); found = 1; exit }
        END { if (!found) print "-" }'
}
row() {  # what unit format name words field
    local what=$1 unit=$2 format=$3 arch value cells=()
    for arch in "${arches[@]}"; do
        value="$(figure "${out[$arch.$4]}" "$5" "$6")"
        [ "$value" = - ] || printf -v value "$format" "$value"
        cells+=("$value")
    done
    printf '| %s | %s | %s | %s |\n' "$what" "${cells[@]}" "$unit"
}
echo '| what | x86_64 | i686 | unit |'
echo '|---|---|---|---|'
# startup.sh prints the median and the fastest run of each build on one line.
printf '| %s | %s | %s | %s |\n' 'start-up: `./kova bench/hello.js`, median of 11' \
    "$(figure "$startup" './kova bench/hello.js' -4)" "$(figure "$startup" './kova bench/hello.js' -2)" ms
row "host call \`sprintf(\"\")\`, net ($count calls)" µs %s dispatch 'host call sprintf("")' -1
row "\`DllFunc\` call \`kept_c()\`, net ($count calls)" µs %s native 'DllFunc kept_c()' -1
row '`Image.load` of a 6000 × 4000 PNG' ms %.0f codec load.png 3
row '`img.save` as PNG' ms %.0f codec save.png 3
row '`Image.load` of a 6000 × 4000 JPEG' ms %.0f codec load.jpg 3
row '`img.save` as JPEG' ms %.0f codec save.jpg 3
row "\`Frame\` \`update\` ($frames frames)" ms/frame %s frame 'Frame update' -1
row '`Frame` 10,000 `pset` + `update`' ms/frame %s frame 'Frame 10000 pset + update' -1
row '`LayeredFrame` `update`' ms/frame %s frame 'LayeredFrame update' -1
