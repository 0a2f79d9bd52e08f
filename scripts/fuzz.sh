#!/usr/bin/env bash
# Builds the portable sources natively with clang and runs their sanitizer tests,
# then every fuzz target for a bounded time (seconds per target: $1, default 60).
# Corpora are kept in build/native/corpus between runs on the same machine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
dir="$root/build/native"
if [ ! -f "$dir/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && ctest --output-on-failure </dev/null)
# The image decoders find little from nothing: their first corpus gets small files of
# each kind, made by ImageMagick, and libpng's conformance images when set-up kept them.
seed() {
    local corpus="$dir/corpus/$1"
    shift
    [ -d "$corpus" ] && [ -n "$(ls -A "$corpus")" ] && return
    mkdir -p "$corpus"
    local im=/usr/bin/convert
    [ -x "$im" ] || return 0
    for args in "$@"; do
        read -r -a words <<<"$args"
        "$im" "${words[@]//OUT/$corpus/}" 2>/dev/null || true
    done
}
seed png_fuzz "-size 9x7 gradient:red-blue OUTrgb.png" \
    "-size 9x7 gradient:white-black -type Grayscale OUTgrey.png" \
    "-size 9x7 gradient:none-red OUTalpha.png" \
    "-size 9x7 gradient:red-blue -type Palette PNG8:OUTpalette.png" \
    "-size 9x7 gradient:red-blue -depth 16 PNG48:OUTdeep.png" \
    "-size 9x7 gradient:red-blue -interlace PNG OUTinterlaced.png"
if [ -d "$root/.cache/deps/testdata/pngsuite" ] && [ -z "$(ls "$dir/corpus/png_fuzz" | grep -v '^[a-z]*\.png$')" ]; then
    cp "$root/.cache/deps/testdata/pngsuite/"*.png "$dir/corpus/png_fuzz/" 2>/dev/null || true
fi
seed jpeg_fuzz "-size 9x7 gradient:red-blue OUTrgb.jpg" \
    "-size 9x7 gradient:white-black -type Grayscale OUTgrey.jpg" \
    "-size 9x7 gradient:red-blue -interlace JPEG OUTprogressive.jpg" \
    "-size 9x7 gradient:red-blue -colorspace CMYK OUTcmyk.jpg" \
    "-size 17x9 gradient:red-blue -sampling-factor 2x2 OUTsubsampled.jpg"

# Each target runs in its own process; as many at once as there are processors.
run_one() {
    local fuzzer="$1" seconds="$2" dir="$3" root="$4" name
    name="$(basename "$fuzzer")"
    mkdir -p "$dir/corpus/$name"
    local dict=()
    [ -f "$root/fuzz/$name.dict" ] && dict=(-dict="$root/fuzz/$name.dict")
    if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 ${dict[@]+"${dict[@]}"} "$dir/corpus/$name" \
            >"$dir/$name.log" 2>&1; then
        tail -n 60 "$dir/$name.log"
        echo "fuzz: $name FAILED"
        return 1
    fi
    grep -E '^stat::number_of_executed_units' "$dir/$name.log" | sed "s/^/fuzz: $name for ${seconds}s: /"
}
export -f run_one
find "$dir/fuzz" -maxdepth 1 -name '*_fuzz' -type f -perm -u+x | sort |
    xargs -r -P "$(nproc)" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$dir" "$root"
