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
# Each target runs in its own process; as many at once as there are processors.
run_one() {
    local fuzzer="$1" seconds="$2" dir="$3" name
    name="$(basename "$fuzzer")"
    mkdir -p "$dir/corpus/$name"
    if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$dir/corpus/$name" \
            >"$dir/$name.log" 2>&1; then
        tail -n 60 "$dir/$name.log"
        echo "fuzz: $name FAILED"
        return 1
    fi
    grep -E '^stat::number_of_executed_units' "$dir/$name.log" | sed "s/^/fuzz: $name for ${seconds}s: /"
}
export -f run_one
find "$dir/fuzz" -maxdepth 1 -name '*_fuzz' -type f -perm -u+x | sort |
    xargs -r -P "$(nproc)" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$dir"
