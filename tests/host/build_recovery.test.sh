#!/usr/bin/env bash
# scripts/build.sh run before scripts/setup.sh fails to configure (GoogleTest is
# missing) and leaves a cache without build files behind; once the libraries are
# there, the next run configures again and builds. Works on a copy of the sources,
# building one small target.
set -u
root="$(pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/src"
tar -C "$root" --exclude=./build --exclude=./.cache --exclude=./.git -cf - . | tar -C "$tmp/src" -xf -
build() { KOVA_JOBS=1 "$tmp/src/scripts/build.sh" bench_hello >"$tmp/log" 2>&1; }

fail=0
check() {  # description, then the test
    local what="$1"; shift
    if ! "$@"; then echo "failed: $what"; fail=1; fi
}
build
check "a build without the libraries fails" test $? != 0
check "the failed configure left its cache" test -f "$tmp/src/build/x86_64/CMakeCache.txt"
check "the failed configure left no Makefile" test ! -e "$tmp/src/build/x86_64/Makefile"

mkdir "$tmp/src/.cache"
ln -s "$(realpath "$root/.cache/deps")" "$tmp/src/.cache/deps"
build
check "the build succeeds once the libraries are there" test $? = 0
for arch in x86_64 i686; do
    check "$arch program built" test -f "$tmp/src/build/$arch/bench_hello.exe"
done
[ "$fail" = 0 ] || { echo "--- last build's output"; cat "$tmp/log"; }
exit "$fail"
