#!/usr/bin/env bash
# Sets up (quickly, when already done), builds both targets, runs the native
# sanitizer tests and fuzzers, then every test of the program under ctest for each
# target: unit tests and script tests, run under Wine; last, makes the release
# packages and tests them. Needs no display of its own: a private Xvfb is started
# when DISPLAY is unset.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# Native sanitizer tests and a bounded fuzzing run of every byte parser.
"$root/scripts/fuzz.sh" "${KOVA_FUZZ_SECONDS:-60}"

# The suites share one display, the same kind of private Xvfb that ./kova starts.
if [ -z "${DISPLAY:-}" ]; then
    . "$root/scripts/private-display.sh"
    kova_display_start || { echo "test: no display, and $KOVA_DISPLAY_WHY" >&2; exit 1; }
    trap kova_display_stop EXIT
fi

# Both targets' suites, one after the other: screen tests read the whole display.
# KOVA_ARCHES=x86_64 (or i686) runs one of them.
status=0
for arch in ${KOVA_ARCHES:-x86_64 i686}; do
    echo "test: $arch"
    (cd "$root/build/$arch" && ctest -j "$(nproc)" --output-on-failure --timeout 300 </dev/null) ||
        status=1
done
# The release packages, built clean, then unpacked into fresh Wine prefixes and run as
# a user would run them. KOVA_RELEASE_TEST=0 leaves them out.
if [ "${KOVA_RELEASE_TEST:-1}" != 0 ]; then
    echo "test: release packages"
    { "$root/scripts/release.sh" && "$root/tests/release/check-release.sh"; } </dev/null || status=1
fi
exit "$status"
