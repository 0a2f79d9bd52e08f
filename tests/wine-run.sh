#!/usr/bin/env bash
# ctest's emulator: runs a cross-built test program under the project's Wine prefix.
KOVA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$KOVA_ROOT/scripts/wine-env.sh"
kova_wine_ready
# Every process Wine starts gets the starter's standard error, and so does the desktop
# process (explorer.exe /desktop) started by the first program that needs a window. It
# lives as long as any program uses the desktop: while the suite runs, for minutes, and
# ctest waits for the end of a test's output. So the program's standard error goes to
# a file, unlinked at once and copied out when the program ends.
err="$(mktemp)" || exit 1
exec 3>"$err" 4<"$err"
rm -f "$err"
"$KOVA_WINE" "$@" 2>&3 3>&- 4<&-
status=$?
exec 3>&-
cat <&4 >&2
exit "$status"
