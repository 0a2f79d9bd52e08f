# Sourced by the screen tests, from the source root: root, artifacts (KOVA_ARTIFACTS,
# by default the artifacts folder of the build directory) and a scratch folder tmp; a
# display (the harness's, or an Xvfb of the test's own on a free number); a KOVA script
# run in the background; screenshots kept as artifacts and their pixels; the results in
# one status. On exit the test's on_exit runs, if it has one, every process registered
# in owned[] is ended and tmp is removed.
set -euo pipefail
root="$(pwd)"
artifacts="${KOVA_ARTIFACTS:-$(dirname "${KOVA_EXE:-$root/build/x86_64/kova.exe}")/artifacts}"
tmp="$(mktemp -d)"
declare -A owned=() at=()
pid=
shot=
shots=()
status=0
cleanup() {
    ! declare -F on_exit >/dev/null || on_exit || true
    local p
    for p in "${!owned[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Waits up to 30 s, while the script of start_script lives, until the file has a line
# matching the pattern (any line when none is given).
wait_for() {
    for _ in $(seq 300); do
        grep -qs -- "${2:-.}" "$1" && return 0
        [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    grep -qs -- "${2:-.}" "$1"
}

if [ -z "${DISPLAY:-}" ]; then
    . "$root/scripts/private-display.sh"
    kova_display_start || { echo "no display, and $KOVA_DISPLAY_WHY" >&2; exit 1; }
    owned[$KOVA_XVFB_PID]=1
fi
# Wine's desktop belongs to the server's first program: one started without a display
# (by tests run without DISPLAY) leaves every later program of that server without
# windows, until the server ends, 30 s after its last program.
KOVA_ROOT="$root"
. "$root/scripts/wine-env.sh"
for desktop in $(pgrep -f 'explorer.exe /desktop' || true); do
    settings="$(tr '\0' '\n' <"/proc/$desktop/environ" 2>/dev/null)" || continue
    prefix="$(sed -n 's/^WINEPREFIX=//p' <<<"$settings")"
    if [ -n "$prefix" ] && [ "$prefix" -ef "$WINEPREFIX" ] && ! grep -q '^DISPLAY=' <<<"$settings"; then
        echo "waiting for the Wine server, whose desktop has no display, to end"
        timeout 60 "$KOVA_WINESERVER" -w || true
    fi
done

# Runs a KOVA script with its words in the background, its output in $tmp/out.
start_script() {
    "$root/kova" "$@" >"$tmp/out" 2>&1 </dev/null &
    pid=$!
    owned[$pid]=1
}
# Ends the test, with the message and what the script printed.
give_up() {
    echo "$1:"
    cat "$tmp/out"
    exit 1
}
# Waits for the script to end well; its output, without CRs, becomes $out.
end_script() {
    wait "$pid" || give_up "the script failed"
    unset "owned[$pid]"
    pid=
    out="$(tr -d '\r' <"$tmp/out")"
}
# Reads the lines "name values..." of a file the script wrote into at[name].
places() {
    at=()
    local name values
    while read -r name values; do at[$name]="$values"; done < <(tr -d '\r' <"$1")
}
# The place's "red green blue" as RRGGBB.
colour() {
    # shellcheck disable=SC2086 # three numbers
    printf '%02X%02X%02X' ${at[$1]}
}

# Photographs the display as NAME.png among the artifacts; $shot is its path.
shot() {
    mkdir -p "$artifacts"
    shot="$artifacts/$1.png"
    import -window root "$shot"
    shots+=("$shot")
}
# The colour of the picture's pixel at x, y as RRGGBB.
pixel() {
    /usr/bin/convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}

fail() {
    echo "FAIL $*"
    status=1
}
# what, expected, got
same() {
    if [ "$2" = "$3" ]; then echo "ok   $1"; else fail "$1: expected [$2], got [$3]"; fi
}
# x, y, expected colour, what the pixel of the last screenshot is
check() {
    local got
    got="$(pixel "$shot" "$1" "$2")"
    if [ "$got" = "$3" ]; then echo "ok   $4 at $1,$2: $3"; else fail "$4 at $1,$2: expected $3, got $got"; fi
}
# Exits with the status, naming the screenshots when a check failed.
finish() {
    [ "$status" = 0 ] || [ ${#shots[@]} = 0 ] || echo "screenshots: ${shots[*]}"
    exit "$status"
}
