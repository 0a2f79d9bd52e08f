#!/usr/bin/env bash
# encode and decode in all six encodings under code page 932, against the bytes iconv
# writes for every JIS X 0208 character, ASCII and half-width katakana.
set -euo pipefail
root="$(pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

"$root/tests/corpus/make-corpus.sh" "$tmp" >/dev/null

bytes() {  # file -> JScript array literal
    printf '['
    od -An -v -tu1 "$1" | tr -s ' \n' ',,' | sed 's/^,//; s/,$//'
    printf ']'
}
text() {  # UTF-8 file -> JScript string literal of \u escapes
    printf '"'
    iconv -f UTF-8 -t UTF-16LE "$1" | od -An -v -tx2 | tr -s ' \n' '  ' | sed 's/^ //; s/ $//; s/\([0-9a-f]\{4\}\)/\\u\1/g; s/ //g'
    printf '"'
}

{
    echo "var text = $(text "$tmp/corpus.utf8");"
    echo "var textJis = $(text "$tmp/corpus-jis.utf8");"
    echo "var cases = ["
    echo "  ['ascii', text, $(bytes "$tmp/corpus.sjis")],"
    echo "  ['sjis', text, $(bytes "$tmp/corpus.sjis")],"
    echo "  ['euc', text, $(bytes "$tmp/corpus.euc")],"
    echo "  ['jis', textJis, $(bytes "$tmp/corpus.jis")],"
    echo "  ['utf16', text, $(bytes "$tmp/corpus.utf16")],"
    echo "  ['utf8', text, $(bytes "$tmp/corpus.utf8")]];"
    cat <<'EOF'
function firstDifference(a, b) {
    var n = Math.min(a.length, b.length);
    for (var i = 0; i < n; i++) if (a[i] !== b[i]) return i;
    return n;
}
function main() {
    var failures = 0;
    for (var k = 0; k < cases.length; k++) {
        var name = cases[k][0], expected = cases[k][1], bytes = cases[k][2];
        var encoded = encode(expected, name);
        if (encoded.length != bytes.length || encoded.join(",") != bytes.join(",")) {
            var i = firstDifference(encoded, bytes);
            print("FAIL encode ", name, ": ", encoded.length, " bytes, expected ", bytes.length,
                  "; first difference at ", i, ": ", encoded[i], " expected ", bytes[i]);
            failures++;
        }
        var decoded = decode(bytes, name);
        if (decoded !== expected) {
            var j = firstDifference(decoded, expected);
            print("FAIL decode ", name, ": ", decoded.length, " characters, expected ", expected.length,
                  "; first difference at ", j, ": ", decoded.charCodeAt(j), " expected ", expected.charCodeAt(j));
            failures++;
        }
    }
    print(failures ? "failures: " + failures : "ok: " + text.length + " characters in six encodings");
    return failures ? 1 : 0;
}
EOF
} >"$tmp/corpus.js"

status=0
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$root/kova" "Z:$tmp/corpus.js" </dev/null >"$tmp/out" 2>&1 || status=$?
sed 's/\r$//' "$tmp/out"
[ "$status" = 0 ] && grep -q '^ok: ' "$tmp/out"
