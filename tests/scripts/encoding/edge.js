// encode and decode under code page 1252: the documented vectors, argument errors
// (0x8002000e wrong count, 0x80020005 wrong type), unknown names, how array elements
// become bytes, NUL characters, and incomplete characters at the end of the bytes.
function hex(e) { return (e.number >>> 0).toString(16); }
function tryIt(label, f) {
    try { var r = f(); print(label, ": ", typeof r == "object" ? "[" + r.join(",") + "]" : typeof r == "string" ? "\"" + r + "\"" : typeof r); }
    catch (e) { print(label, ": error ", hex(e)); }
}
// Errors are checked on calls whose result is not used.
function tryCall(label, f) {
    try { f(); print(label, ": no error"); }
    catch (e) { print(label, ": error ", hex(e)); }
}
function codes(s) {
    var out = [];
    for (var i = 0; i < s.length; i++) out.push(s.charCodeAt(i).toString(16));
    return out.join(" ");
}

tryIt("encode AB utf16", function () { return encode("AB", "utf16"); });
tryIt("encode AB ascii", function () { return encode("AB", "ascii"); });
tryIt("encode empty", function () { return encode("", "utf8"); });
tryIt("encode e-acute utf8", function () { return encode("\u00e9", "utf8"); });
tryIt("encode hiragana utf8 (not in 1252)", function () { return encode("\u3042\u3042", "utf8"); });
tryIt("encode smiley utf8", function () { return encode("\ud83d\ude00", "utf8"); });
tryIt("encode name case", function () { return encode("A", "UTF16"); });
tryIt("encode NUL kept", function () { return encode("a\0b", "ascii"); });
tryIt("encode latin", function () { return encode("x", "latin"); });
tryCall("encode number", function () { encode(5, "utf8"); });
tryCall("encode object", function () { encode(["x"], "utf8"); });
tryCall("encode one arg", function () { encode("x"); });
tryCall("encode three args", function () { encode("x", "utf8", 1); });
tryCall("encode no args", function () { encode(); });
tryCall("encode type before name", function () { encode(5, "latin"); });
tryIt("encode name number", function () { return encode("x", 5); });

tryIt("decode hiragana utf8 (not in 1252)", function () { return decode([0xe3, 0x81, 0x82], "utf8"); });
print("decode zhe utf8: ", codes(decode([0xd0, 0x96], "utf8")), " (not in 1252)");
tryIt("decode latin", function () { return decode([65], "latin"); });
tryCall("decode string", function () { decode("abc", "utf8"); });
tryCall("decode number", function () { decode(5, "utf8"); });
tryCall("decode type before name", function () { decode(5, "latin"); });
tryCall("decode one arg", function () { decode([65]); });
tryCall("decode three args", function () { decode([65], "ascii", 1); });
print("decode NUL kept: ", codes(decode([65, 0, 66], "ascii")));
print("decode elements: ", codes(decode([65.9, -191, "66", 323, true, null, undefined, NaN, 1/0, {}], "ascii")));
print("decode array-like: ", decode({length: 2, 0: 72, 1: 105}, "ascii"));
print("decode holes: ", codes(decode([72, , 105], "ascii")));
print("decode empty: ", decode([], "utf8").length);

print("utf8 four-byte dropped: ", codes(decode([0xf0, 0x9f, 0x98, 0x80, 65], "utf8")));
print("utf8 truncated dropped: ", codes(decode([65, 0xe3, 0x81], "utf8")), " | ", codes(decode([65, 0xc3], "utf8")));
print("utf16 odd byte ignored: ", codes(decode([65, 0, 66], "utf16")));
print("euc lone lead dropped: ", codes(decode([65, 0xa4], "euc")), " | ", codes(decode([65, 0x8e], "euc")), " | ", codes(decode([65, 0x8f, 0xa1], "euc")));
print("euc JIS X 0212 dropped: ", codes(decode([65, 0x8f, 0xb0, 0xa1, 66], "euc")));
print("euc katakana: ", encode(decode([0xb1], "ascii"), "euc").join(","), " back ", codes(decode([0x8e, 0xb1], "euc")));
print("jis escapes: ", codes(decode([27, 40, 74, 65, 27, 36], "jis")));
print("jis of ascii: ", encode("a\nb", "jis").join(","));

var big = "";
for (var i = 0; i < 4096; i++) big += String.fromCharCode(32 + i % 95);
print("4096 characters: ", decode(encode(big, "utf8"), "utf8") === big, " ", encode(big, "utf16").length);
