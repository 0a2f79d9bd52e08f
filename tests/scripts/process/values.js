// The JScript value functions: truncation to 32 bits, characters by UTF-16 unit,
// the narrow-text round trips, and the type and count errors they raise.
print(int(3.7), " ", int(-3.7), " ", int(4294967295), " ", int(2147483648) == -2147483648);
print(uint(-1) == 4294967295, " ", uint(2.9), " ", int(NaN), " ", int(-Infinity), " ", int(true));
print(chr(65), chr(65601), " ", chr(0).length, " ", chr(0x3042).length, " ", chr(0x3042).charCodeAt(0) == 0x3042);
print(ord("ABC"), " ", ord(""), " ", ord(chr(0x3042)) == 0x3042, " ", ord("\0x"));
print(str(1 / 3), " ", str(true), " ", str(null), " ", typeof str(5));
print(str("ab\0cd").length, " ", cstr("ab\0cd"), " ", cstr(12.5), " ", cstr("\0").length);
function errorOf(f) { try { f(); return "none"; } catch (e) { return (e.number >>> 0).toString(16); } }
print(errorOf(function () { int("5"); }), " ", errorOf(function () { uint(null); }), " ",
      errorOf(function () { chr("A"); }), " ", errorOf(function () { ord(65); }));
print(errorOf(function () { int(); }), " ", errorOf(function () { chr(1, 2); }), " ",
      errorOf(function () { str(); }), " ", errorOf(function () { cstr(1, 2); }));
print(typeof esc, " ", typeof cstring);
