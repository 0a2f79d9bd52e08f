#!/usr/bin/env bash
# Image benchmarks: bench/image.js times cls, scroll, draw, save and load of large
# images; image_loop.exe does the same number of each with the bytes alone (memset,
# memmove, the GDI blit, fread and fwrite) in C. Prints one table of both.
# Run from anywhere after scripts/build.sh: bench/image.sh [SCALE]
# SCALE multiplies every repetition count (default 1).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scale="${1:-1}"
build="$root/build/x86_64"
cmake --build "$build" --target kova image_loop >/dev/null
KOVA_ROOT="$root"
source "$root/scripts/wine-env.sh"
kova_wine_ready

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
folder="Z:${work//\//\\}"

# Both programs print lines of NAME COUNT x MS ms WHAT.
# The script execs bench/timing.inc from the repository root.
cd "$root"
script="$("$root/kova" "$root/bench/image.js" "$folder" "$scale" | tr -d '\r')" || true
c_line() {  # operation count
    "$KOVA_WINE" "$build/image_loop.exe" "$1" "$2" "$folder" | tr -d '\r'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0 && b > 0) printf "%.2f", a / b; else print "-" }'; }
# cls and scroll are to stay within 1.5 times the C run-time's memset and memmove.
target() {
    case "$1" in
    cls.* | scroll.*) awk -v r="$2" 'BEGIN { print (r != "-" && r <= 1.5) ? "ok" : "over" }' ;;
    esac
}

declare -A counts
calls=()
printf 'ms per operation; C is image_loop.exe doing the same bytes; target: cls and scroll within 1.5 x C\n'
printf '%-12s %6s %10s %10s %7s %-6s %s\n' operation count script C ratio target 'C does'
while read -r name count _ ms _; do
    if ! [[ $count =~ ^[0-9]+$ ]]; then
        echo "image.js: $name $count $ms" >&2
        continue
    fi
    counts[$name]=$count
    if [[ $name == call.* ]]; then
        calls+=("$name" "$count" "$ms")
        continue
    fi
    line=$(c_line "$name" "$count") || true
    read -r _ _ _ c _ what <<<"$line" || true
    r=$(ratio "$ms" "${c:-0}")
    printf '%-12s %6s %10s %10s %7s %-6s %s\n' "$name" "$count" "$ms" "${c:--}" "$r" "$(target "$name" "$r")" \
        "${what:-}"
done <<<"$script"

# The host call alone (a fill of one word), which every line above also pays.
echo
for ((i = 0; i < ${#calls[@]}; i += 3)); do
    printf '%-12s %6s %10s   img.cls(0, 0, 0) of a 1 x 1 image: the cost of a host call\n' "${calls[@]:i:3}"
done

# In C: the same bytes moved in one piece and copied (what the row-by-row moves and
# the blit cost over a plain copy), and what fresh memory costs on its first write: a
# load makes a new image; a buffer the size of the file would cost the heap line.
echo
printf '%-12s %6s %10s %s\n' reference count C 'C does'
for pair in block.1.1:scroll.1.1 block.0.1:scroll.0.1 copy.draw:draw.opaque fresh.dib:load.tga24 fresh.heap:load.tga24; do
    name=${pair%%:*}
    count=${counts[${pair#*:}]:-}
    [ -n "$count" ] || continue
    read -r _ _ _ c _ what <<<"$(c_line "$name" "$count")" || true
    printf '%-12s %6s %10s %s\n' "$name" "$count" "${c:--}" "${what:-}"
done
