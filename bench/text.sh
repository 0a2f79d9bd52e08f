#!/usr/bin/env bash
# Text benchmarks: File.gets over a 20 MB file and encode/decode of about 1 MB, in each
# encoding, against the plain C loop of text_loop.exe over the same conversion and, for
# the Japanese encodings, against glibc's iconv. Everything runs under code page 932.
# Run from anywhere after scripts/build.sh: bench/text.sh [MB]   (default 20)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
megabytes="${1:-20}"
build="$root/build/x86_64"
cmake --build "$build" --target text_loop >/dev/null
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
KOVA_ROOT="$root"
source "$root/scripts/wine-env.sh"
kova_wine_ready

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$root/tests/corpus/make-corpus.sh" "$work" >/dev/null
encodings=(ascii sjis euc jis utf16 utf8)
declare -A source=([ascii]=sjis [sjis]=sjis [euc]=euc [jis]=jis [utf16]=utf16 [utf8]=utf8)
declare -A iconv_name=([euc]=EUC-JP [jis]=ISO-2022-JP [utf16]=UTF-16LE [utf8]=UTF-8)

# Repeats a corpus file until the Shift_JIS form reaches the wanted size; every form
# gets the same number of copies, so all files hold the same text.
repeat() {  # copies suffix output
    local i
    for ((i = 0; i < $1; i++)); do cat "$work/corpus.$2"; done >"$3"
}
corpus_size=$(stat -c %s "$work/corpus.sjis")
big=$(((megabytes * 1048576 + corpus_size - 1) / corpus_size))
small=$(((1048576 + corpus_size - 1) / corpus_size))
for suffix in sjis euc jis utf16 utf8; do
    repeat "$big" "$suffix" "$work/big.$suffix"
    repeat "$small" "$suffix" "$work/small.$suffix"
done

# A run that fails leaves its cell empty rather than ending the table.
set +e
win() { echo "Z:$1"; }
ms_of() { sed -n 's/.*[ ,]\([0-9.]*\) ms.*/\1/p' | head -n 1; }
seconds_ms() {  # runs a command, prints its wall time in ms
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

printf 'gets over %d MB (%d copies of the corpus), ms\n' "$megabytes" "$big"
printf '%-6s %10s %10s %7s %10s\n' encoding script C-loop ratio iconv
for e in "${encodings[@]}"; do
    file="$work/big.${source[$e]}"
    c=$("$KOVA_WINE" "$build/text_loop.exe" gets "$(win "$file")" "$e" | ms_of)
    s=$("$root/kova" "Z:$root/bench/gets.js" "$(win "$file")" "$e" | ms_of)
    i=-
    [ -n "${iconv_name[$e]:-}" ] && i=$(seconds_ms iconv -f "${iconv_name[$e]}" -t CP932 "$file")
    printf '%-6s %10s %10s %7s %10s\n' "$e" "$s" "$c" "$(ratio "$s" "$c")" "$i"
done

echo
printf 'encode and decode of %d bytes of Shift_JIS text, ms per call\n' "$(stat -c %s "$work/small.sjis")"
printf '%-6s %10s %10s %7s %10s %10s %10s %7s %10s %10s %10s\n' encoding encode C-loop ratio iconv decode C-loop ratio iconv \
    js-fill js-read
for e in "${encodings[@]}"; do
    ext="$work/small.${source[$e]}"
    ce=$("$KOVA_WINE" "$build/text_loop.exe" encode "$(win "$work/small.sjis")" "$e" 10 | ms_of)
    cd=$("$KOVA_WINE" "$build/text_loop.exe" decode "$(win "$ext")" "$e" 10 | ms_of)
    out=$("$root/kova" "Z:$root/bench/encode.js" "$(win "$work/small.sjis")" "$(win "$ext")" "$e" 5)
    se=$(echo "$out" | grep '^encode' | ms_of)
    sd=$(echo "$out" | grep '^decode' | ms_of)
    sf=$(echo "$out" | grep '^fill' | ms_of)
    sr=$(echo "$out" | grep '^read' | ms_of)
    ie=- id=-
    if [ -n "${iconv_name[$e]:-}" ]; then
        ie=$(seconds_ms iconv -f CP932 -t "${iconv_name[$e]}" "$work/small.sjis")
        id=$(seconds_ms iconv -f "${iconv_name[$e]}" -t CP932 "$ext")
    fi
    printf '%-6s %10s %10s %7s %10s %10s %10s %7s %10s %10s %10s\n' "$e" "$se" "$ce" "$(ratio "$se" "$ce")" "$ie" \
        "$sd" "$cd" "$(ratio "$sd" "$cd")" "$id" "$sf" "$sr"
done
