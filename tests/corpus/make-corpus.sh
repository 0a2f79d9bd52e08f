#!/usr/bin/env bash
# Writes one Japanese text in six encodings, every file made by iconv, for checking
# the host's conversions and text files against an independent converter.
#
# Usage: make-corpus.sh OUTDIR
#
# The text: one line of printable ASCII (0x20-0x7E), one line of the 63 half-width
# katakana, then every JIS X 0208 character of rows 1-84 that glibc's EUC-JP and
# CP932 both know and map to the same Unicode character, 40 to a line, in row and
# cell order. Every line ends in LF; there is no byte-order mark.
#
#   corpus.sjis   CP932 (Shift_JIS) bytes
#   corpus.euc    EUC-JP bytes
#   corpus.utf16  UTF-16LE bytes
#   corpus.utf8   UTF-8 bytes
#   corpus.jis    ISO-2022-JP bytes of the text WITHOUT the half-width katakana line
#                 (ISO-2022-JP has no half-width katakana); the same text in
#                 Shift_JIS and UTF-8 is in corpus-jis.sjis and corpus-jis.utf8
#   codes.euc     the EUC-JP code of each JIS X 0208 character of the text (two bytes
#                 each, no line ends), for tests that walk the characters one by one
#
# Exits non-zero when iconv is missing or its conversions do not round-trip.
set -euo pipefail
export LC_ALL=C

out="${1:?usage: make-corpus.sh OUTDIR}"
mkdir -p "$out"
command -v iconv >/dev/null || { echo "make-corpus.sh: iconv not found" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Every row and cell of rows 1-84, one character a line, as EUC-JP and as the
# Shift_JIS pair of the same row and cell.
awk 'BEGIN {
    for (row = 1; row <= 84; row++) for (cell = 1; cell <= 94; cell++)
        printf "%c%c\n", row + 160, cell + 160
}' >"$work/cand.euc"
awk 'BEGIN {
    for (row = 1; row <= 84; row++) for (cell = 1; cell <= 94; cell++) {
        lead = int((row + 1) / 2) + (row <= 62 ? 128 : 192)
        if (row % 2) trail = cell + 63 + (cell >= 64 ? 1 : 0)
        else trail = cell + 158
        printf "%c%c\n", lead, trail
    }
}' >"$work/cand.sjis"

# Codes a converter does not know become empty lines (-c), so the lines stay paired.
iconv -c -f EUC-JP -t UTF-8 "$work/cand.euc" >"$work/from-euc.utf8" || true
iconv -c -f CP932 -t UTF-8 "$work/cand.sjis" >"$work/from-sjis.utf8" || true
if [ "$(wc -l <"$work/from-euc.utf8")" != 7896 ] || [ "$(wc -l <"$work/from-sjis.utf8")" != 7896 ]; then
    echo "make-corpus.sh: iconv lost lines" >&2
    exit 1
fi
paste -d '\t' "$work/from-euc.utf8" "$work/from-sjis.utf8" "$work/cand.euc" |
    awk -F '\t' '$1 != "" && $1 == $2 { print $1 > "'"$work"'/chars.utf8"; printf "%s", $3 > "'"$work"'/codes.euc" }'

{
    awk 'BEGIN { for (c = 32; c <= 126; c++) printf "%c", c; printf "\n" }'
    awk 'BEGIN { for (c = 161; c <= 223; c++) printf "%c", c; printf "\n" }' | iconv -f CP932 -t UTF-8
} >"$work/head.utf8"
# The characters, 40 to a line.
awk '{ line = line $0; if (++n % 40 == 0) { print line; line = "" } } END { if (line != "") print line }' \
    "$work/chars.utf8" >"$work/kanji.utf8"

cat "$work/head.utf8" "$work/kanji.utf8" >"$out/corpus.utf8"
head -n 1 "$work/head.utf8" | cat - "$work/kanji.utf8" >"$out/corpus-jis.utf8"
cp "$work/codes.euc" "$out/codes.euc"

iconv -f UTF-8 -t CP932 "$out/corpus.utf8" >"$out/corpus.sjis"
iconv -f UTF-8 -t EUC-JP "$out/corpus.utf8" >"$out/corpus.euc"
iconv -f UTF-8 -t UTF-16LE "$out/corpus.utf8" >"$out/corpus.utf16"
iconv -f UTF-8 -t ISO-2022-JP "$out/corpus-jis.utf8" >"$out/corpus.jis"
iconv -f UTF-8 -t CP932 "$out/corpus-jis.utf8" >"$out/corpus-jis.sjis"

# Each file must read back to the same text.
for pair in sjis:CP932 euc:EUC-JP utf16:UTF-16LE; do
    iconv -f "${pair#*:}" -t UTF-8 "$out/corpus.${pair%%:*}" | cmp -s - "$out/corpus.utf8" ||
        { echo "make-corpus.sh: corpus.${pair%%:*} does not read back" >&2; exit 1; }
done
iconv -f ISO-2022-JP -t UTF-8 "$out/corpus.jis" | cmp -s - "$out/corpus-jis.utf8" ||
    { echo "make-corpus.sh: corpus.jis does not read back" >&2; exit 1; }
