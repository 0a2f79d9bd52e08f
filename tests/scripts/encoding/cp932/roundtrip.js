// Under code page 932, decode(encode(s, e), e) gives s back for every character of
// the narrow set: all single bytes and every lead and trail pair of Shift_JIS. EUC-JP
// and ISO-2022-JP hold the characters of JIS X 0208 rows 1-94 (leads up to 0xEF),
// ASCII and half-width katakana; the user-defined and IBM rows (leads 0xF0-0xFC) have
// no row there, and ESC switches modes in ISO-2022-JP.
exec("encoding/common.inc");
function isLead(b) { return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc); }
function isTrail(b) { return (b >= 0x40 && b <= 0x7e) || (b >= 0x80 && b <= 0xfc); }

var bytes = [], pairs = 0;
for (var b = 0; b < 256; b++) if (!isLead(b)) bytes.push(b);
for (var lead = 0; lead < 256; lead++) {
    if (!isLead(lead)) continue;
    for (var trail = 0; trail < 256; trail++) {
        if (!isTrail(trail)) continue;
        bytes.push(lead, trail);
        pairs++;
    }
}
var narrow = decode(bytes, "sjis");
print("narrow set: ", bytes.length - 2 * pairs, " single bytes, ", pairs, " pairs, ", narrow.length, " characters");

var names = ["ascii", "sjis", "utf16", "utf8"];
for (var k = 0; k < names.length; k++) check(names[k], narrow);

// The characters whose Shift_JIS form EUC-JP can hold, found from their bytes.
var sjis = encode(narrow, "sjis"), japanese = [], jis = [], other = [];
for (var i = 0; i < sjis.length;) {
    var c = sjis[i], n = isLead(c) && i + 1 < sjis.length ? 2 : 1;
    if (n == 2 ? c <= 0xef : c < 0x80 || (c >= 0xa1 && c <= 0xdf)) {
        for (var k = 0; k < n; k++) {
            japanese.push(sjis[i + k]);
            if (c != 0x1b) jis.push(sjis[i + k]);
        }
    } else {
        other.push(c.toString(16));
    }
    i += n;
}
check("euc", decode(japanese, "sjis"));
check("jis", decode(jis, "sjis"));
print("left out: ", other.length, " characters, first bytes ", other.slice(0, 4).join(","), " ...");

// The documented vectors under this code page.
print("a-hiragana: sjis ", encode("\u3042", "sjis").join(","), " euc ", encode("\u3042", "euc").join(","),
      " jis ", encode("\u3042A", "jis").join(","), " utf8 ", encode("\u3042", "utf8").join(","));
print("decode utf8: ", decode([0xe3, 0x81, 0x82], "utf8") === "\u3042", " euc: ", decode([0xa4, 0xa2], "euc") === "\u3042",
      " jis: ", decode([27, 36, 66, 0x24, 0x22, 27, 40, 74, 65], "jis") === "\u3042A");
print("half-width ka: euc ", encode("\uff76", "euc").join(","), " jis ", encode("\uff76", "jis").join(","),
      " back ", decode(encode("\uff76", "jis"), "jis") === "\uff76");
