#!/usr/bin/env bash
# Configures and builds both targets, each run and tested under Wine: build/x86_64 and
# build/i686 (the 32-bit program, through Wine's 32-bit side).
#   scripts/build.sh [target ...]   builds only the named CMake targets in each
# A build folder is configured whenever its build files are missing, also when a
# configure that failed (run before scripts/setup.sh, say) left its cache behind.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${KOVA_JOBS:-$(nproc)}"
targets=()
for target in "$@"; do targets+=(--target "$target"); done
for arch in x86_64 i686; do
    dir="$root/build/$arch"
    if [ ! -f "$dir/CMakeCache.txt" ] || [ ! -f "$dir/Makefile" ]; then
        cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
            -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    echo "build: $arch"
    cmake --build "$dir" -j "$jobs" "${targets[@]}"
done
