// One-byte results and argument errors of calls whose result is used: the byte list
// must be a one-element array (not an empty array of that length), and the error
// must be the handler's own (0x8002000e wrong count, 0x80020005 wrong type).
function hex(e) { return (e.number >>> 0).toString(16); }
var a = encode("A", "ascii");
print("encode A: ", a.length, " [", a.join(","), "]");
var e9 = decode([0xe9], "ascii");
print("e9 as euc: [", encode(e9, "euc").join(","), "], as jis: [", encode(e9, "jis").join(","), "]");
// EUC-JP cannot hold 0xE9 of code page 1252: alone it reads as an incomplete character.
print("e9 alone comes back as ", decode(encode(e9, "euc"), "euc").length, " and ",
      decode(encode(e9, "jis"), "jis").length, " characters");
try { var r = encode("x"); print("no error"); } catch (e) { print("encode one arg: ", hex(e)); }
try { r = decode([65], "ascii", 1); print("no error"); } catch (e) { print("decode three args: ", hex(e)); }
try { r = encode(5, "utf8"); print("no error"); } catch (e) { print("encode number: ", hex(e)); }
