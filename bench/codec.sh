#!/usr/bin/env bash
# Codec benchmarks: bench/codec.js times Image.load and save of 6000 x 4000 pictures as
# PNG (RGB and RGBA) and JPEG; codec_loop.exe does the same work calling libpng and
# libjpeg-turbo directly; ImageMagick's convert (natively, not under Wine) is what a
# user might run instead. Prints one table of the three.
# Run from anywhere after scripts/build.sh: bench/codec.sh [LOADS [SAVES]]
# LOADS counts each load and the JPEG save (default 3), SAVES each PNG save (default 1:
# they take seconds).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
loads="${1:-3}"
saves="${2:-1}"
build="$root/build/${KOVA_ARCH:-x86_64}"
cmake --build "$build" --target kova codec_loop >/dev/null
KOVA_ROOT="$root"
source "$root/scripts/wine-env.sh"
kova_wine_ready

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
folder="Z:${work//\//\\}"
"$KOVA_WINE" "$build/codec_loop.exe" make "$folder"

ops=(load.png "$loads" load.png.alpha "$loads" load.jpg "$loads" save.png "$saves" save.png.alpha "$saves"
    save.jpg "$loads")
# Both programs print lines of NAME COUNT x MS ms WHAT.
# The script execs bench/timing.inc from the repository root.
cd "$root"
script="$("$root/kova" "$root/bench/codec.js" "$folder" "${ops[@]}" | tr -d '\r')" || true
c_line() {  # operation count
    "$KOVA_WINE" "$build/codec_loop.exe" "$1" "$2" "$folder" | tr -d '\r'
}
# The fastest of count runs of a command, in ms.
im_ms() {  # count command...
    local count=$1 best= start ms i
    shift
    for ((i = 0; i < count; i++)); do
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>&1 || { echo -; return; }
        ms=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
        if [ -z "$best" ] || awk -v a="$ms" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$ms; fi
    done
    echo "$best"
}
im=/usr/bin/convert
im_line() {  # operation count
    case "$1" in
    load.png) im_ms "$2" "$im" "$work/bench.png" null: ;;
    load.png.alpha) im_ms "$2" "$im" "$work/bench-alpha.png" null: ;;
    load.jpg) im_ms "$2" "$im" "$work/bench.jpg" null: ;;
    save.png) im_ms "$2" "$im" "$work/bench.pam" "$work/im.png" ;;
    save.png.alpha) im_ms "$2" "$im" "$work/bench-alpha.pam" "$work/im.png" ;;
    save.jpg) im_ms "$2" "$im" "$work/bench.pam" -quality 90 -sampling-factor 1x1 "$work/im.jpg" ;;
    esac
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0 && b > 0) printf "%.2f", a / b; else print "-" }'; }
target() { awk -v r="$1" 'BEGIN { print (r != "-" && r <= 1.1) ? "ok" : "over" }'; }

printf 'ms per operation on 6000 x 4000; C is codec_loop.exe calling the libraries; target: KOVA within 1.1 x C\n'
printf '%-16s %5s %9s %9s %6s %-6s %12s  %s\n' operation count KOVA C ratio target ImageMagick 'C does'
while read -r name count _ ms _; do
    if ! [[ $count =~ ^[0-9]+$ ]]; then
        echo "codec.js: $name $count $ms" >&2
        continue
    fi
    line=$(c_line "$name" "$count") || true
    read -r _ _ _ c _ what <<<"$line" || true
    r=$(ratio "$ms" "${c:-0}")
    printf '%-16s %5s %9s %9s %6s %-6s %12s  %s\n' "$name" "$count" "$ms" "${c:--}" "$r" "$(target "$r")" \
        "$(im_line "$name" "$count")" "${what:-}"
done <<<"$script"
