#!/usr/bin/env bash
# ctest's emulator: runs a cross-built test program under the project's Wine prefix.
KOVA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$KOVA_ROOT/scripts/wine-env.sh"
kova_wine_ready
exec "$KOVA_WINE" "$@"
