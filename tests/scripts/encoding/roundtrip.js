// decode(encode(s, e), e) gives s back for every character of code page 1252, in
// every encoding that can hold it. EUC-JP and ISO-2022-JP are Japanese: of a
// single-byte set they hold the bytes 0x00-0x7F (ESC aside for ISO-2022-JP, where it
// starts a mode switch) and 0xA1-0xDF (taken for half-width katakana); the bytes
// 0x80-0xA0 and 0xE0-0xFF pass out unchanged, and the reader then takes each for the
// first byte of a two-byte character.
exec("encoding/common.inc");
var all = [];
for (var b = 0; b < 256; b++) all.push(b);
var narrow = decode(all, "ascii");
print("narrow set: ", narrow.length, " characters");

var names = ["ascii", "sjis", "utf16", "utf8"];
for (var k = 0; k < names.length; k++) check(names[k], narrow);

function fromBytes(from, to, skip) {
    var bytes = [];
    for (var b = from; b <= to; b++) if (b != skip) bytes.push(b);
    return decode(bytes, "ascii");
}
var japanese = fromBytes(0, 0x7f) + fromBytes(0xa1, 0xdf);
check("euc", japanese);
check("jis", fromBytes(0, 0x7f, 0x1b) + fromBytes(0xa1, 0xdf));
print("ESC ( B in the text: ", decode(encode("\x1b(Bx", "jis"), "jis"));

// What the arithmetic gives for the bytes these two cannot hold.
function ranges(list) {
    var out = [];
    for (var i = 0; i < list.length; i++) {
        var j = i;
        while (j + 1 < list.length && list[j + 1] == list[j] + 1) j++;
        out.push(list[i].toString(16) + (j > i ? "-" + list[j].toString(16) : ""));
        i = j;
    }
    return out.length ? out.join(",") : "none";
}
var kept = [];
for (b = 0x80; b < 256; b++) {
    var c = decode([b], "ascii");
    if (c === decode(encode(c, "euc"), "euc") && c === decode(encode(c, "jis"), "jis")) kept.push(b);
}
print("bytes 0x80-0xff that come back: ", ranges(kept));
var pair = decode(encode(decode([0xe9], "ascii") + "A", "euc"), "euc");
print("e9 before A: [", encode(decode([0xe9, 0x41], "ascii"), "euc").join(","), "] comes back as ",
      pair.charCodeAt(0).toString(16), " ", pair.charCodeAt(1).toString(16));
