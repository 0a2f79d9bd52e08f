#!/usr/bin/env bash
# File text I/O against files written by iconv, under code page 932: gets in every
# encoding, in binary and text mode, reads the same lines as the Shift_JIS file, and
# puts writes back byte for byte what iconv wrote (with the mark for UTF-16), also in
# text mode with CR LF line ends.
set -euo pipefail
root="$(pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
corpus="$tmp/corpus"
"$root/tests/corpus/make-corpus.sh" "$corpus" >/dev/null

crlf() { sed 's/$/\r/' "$1"; }
mark() { printf '\xff\xfe'; }
# What KOVA should write: binary mode as iconv wrote it, text mode with CR LF, UTF-16
# with its mark first.
for e in sjis euc utf8; do cp "$corpus/corpus.$e" "$tmp/expect-wb.$e"; done
cp "$corpus/corpus.jis" "$tmp/expect-wb.jis"
{ mark; cat "$corpus/corpus.utf16"; } >"$tmp/expect-wb.utf16"
crlf "$corpus/corpus.sjis" >"$tmp/expect-w.sjis"
crlf "$corpus/corpus.utf8" | iconv -f UTF-8 -t EUC-JP >"$tmp/expect-w.euc"
crlf "$corpus/corpus-jis.utf8" | iconv -f UTF-8 -t ISO-2022-JP >"$tmp/expect-w.jis"
crlf "$corpus/corpus.utf8" >"$tmp/expect-w.utf8"
{ mark; crlf "$corpus/corpus.utf8" | iconv -f UTF-8 -t UTF-16LE; } >"$tmp/expect-w.utf16"
# A UTF-16 file as other programs write it: mark and CR LF.
cp "$tmp/expect-w.utf16" "$corpus/bom-crlf.utf16"

cat >"$tmp/corpus.js" <<'EOF'
var dir;
function readLines(name, mode, encoding) {
    var f = new File(dir + name, mode, encoding);
    var lines = [];
    for (var line = f.gets(); line != ""; line = f.gets()) lines.push(line);
    var eof = f.eof;
    f.close();
    if (!eof) lines.push("(eof not set)");
    return lines;
}
function compare(label, got, expected) {
    var n = Math.max(got.length, expected.length);
    for (var i = 0; i < n; i++) {
        if (got[i] !== expected[i]) {
            print("FAIL ", label, ": line ", i + 1, " of ", expected.length, " differs (", got.length, " lines read)");
            return 1;
        }
    }
    return 0;
}
function writeLines(name, mode, encoding, lines) {
    var f = new File(dir + name, mode, encoding);
    for (var i = 0; i < lines.length; i++) f.puts(lines[i]);
    f.close();
}
function main(args) {
    dir = args[0] + "/";
    var c = "corpus/";
    var text = readLines(c + "corpus.sjis", "rb", "sjis");
    var textJis = readLines(c + "corpus-jis.sjis", "rb", "sjis");
    var withCr = [];
    for (var i = 0; i < text.length; i++) withCr.push(text[i].replace("\n", "\r\n"));
    var failures = 0;
    var files = [["corpus.sjis", "ascii", text], ["corpus.sjis", "sjis", text], ["corpus.euc", "euc", text],
                 ["corpus.jis", "jis", textJis], ["corpus.utf8", "utf8", text], ["corpus.utf16", "utf16", text]];
    for (var k = 0; k < files.length; k++) {
        var name = files[k][0], e = files[k][1], expected = files[k][2];
        failures += compare(name + " rb " + e, readLines(c + name, "rb", e), expected);
        // UTF-16 text mode ends lines at CR only: a file of LF line ends is one line
        if (e == "utf16") failures += compare(name + " r " + e, readLines(c + name, "r", e), [expected.join("")]);
        else failures += compare(name + " r " + e, readLines(c + name, "r", e), expected);
    }
    failures += compare("bom-crlf.utf16 r", readLines(c + "bom-crlf.utf16", "r", "utf16"), text);
    failures += compare("bom-crlf.utf16 rb", readLines(c + "bom-crlf.utf16", "rb", "utf16"), withCr);

    var encodings = ["sjis", "euc", "jis", "utf8", "utf16"];
    for (var k = 0; k < encodings.length; k++) {
        var e = encodings[k];
        var lines = e == "jis" ? textJis : text;
        writeLines("out-wb." + e, "wb", e, lines);
        writeLines("out-w." + e, "w", e, lines);
    }
    print(failures ? "failures: " + failures : "ok: " + text.length + " lines read in every encoding and mode");
    return failures ? 1 : 0;
}
EOF

status=0
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$root/kova" "Z:$tmp/corpus.js" "Z:$tmp" </dev/null >"$tmp/out" 2>&1 || status=$?
sed 's/\r$//' "$tmp/out"
[ "$status" = 0 ] && grep -q '^ok: ' "$tmp/out" || status=1
for e in sjis euc jis utf8 utf16; do
    for mode in wb w; do
        if ! cmp "$tmp/out-$mode.$e" "$tmp/expect-$mode.$e"; then
            echo "FAIL puts in $e, mode $mode: not the bytes iconv wrote"
            status=1
        fi
    done
done
[ "$status" = 0 ] && echo "ok: puts wrote what iconv wrote in every encoding and mode"
exit "$status"
