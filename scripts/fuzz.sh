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
for fuzzer in "$dir"/fuzz/*_fuzz; do
    [ -x "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"
    mkdir -p "$dir/corpus/$name"
    echo "fuzz: $name for ${seconds}s"
    if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$dir/corpus/$name" \
            >"$dir/$name.log" 2>&1; then
        tail -n 60 "$dir/$name.log"
        echo "fuzz: $name FAILED"
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "$dir/$name.log" | sed "s/^/fuzz: $name /"
done
