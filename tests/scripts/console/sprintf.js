// sprintf: each conversion class, spec characters passed through verbatim, specs
// that are dropped or not conversions, missing and extra values, %b, and the
// 8191-byte limit of one rendering. Exponent digits and hex letter case follow
// the platform's C run-time (Wine's msvcrt here).
function show(label, value) { print(label, " => [", value, "]"); }

// integer class: truncated toward zero, low 32 bits
show("%d 3.9", sprintf("%d", 3.9));
show("%d -3.9", sprintf("%d", -3.9));
show("%d 2^32", sprintf("%d", 4294967296));
show("%d 2^31", sprintf("%d", 2147483648));
show("%u -1", sprintf("%u", -1));
show("%x 255", sprintf("%x", 255));
show("%X 255", sprintf("%X", 255));
show("%#x 255", sprintf("%#x", 255));
show("%o 8", sprintf("%o", 8));
show("%i -7", sprintf("%i", -7));
show("%+d 5", sprintf("%+d", 5));
show("% d 5", sprintf("% d", 5));
show("%05d -3", sprintf("%05d", -3));
show("%ld 5", sprintf("%ld", 5));
show("%hd 65537", sprintf("%hd", 65537));
show("%d NaN", sprintf("%d", NaN));
show("%d Infinity", sprintf("%d", Infinity));
show("%c 65", sprintf("%c", 65));
show("a%cb 0", sprintf("a%cb", 0));
print("%c 0 length: ", sprintf("%c", 0).length);

// values of other kinds go through the numeric conversion
show("%d '12'", sprintf("%d", "12"));
show("%d ' 12abc'", sprintf("%d", " 12abc"));
show("%d 'abc'", sprintf("%d", "abc"));
show("%d true", sprintf("%d", true));
show("%d false", sprintf("%d", false));
show("%d null", sprintf("%d", null));
show("%d undefined", sprintf("%d", undefined));
show("%f '1.5'", sprintf("%f", "1.5"));

// floating class
show("%5.1f|%-4s| 3.14159 ab", sprintf("%5.1f|%-4s|", 3.14159, "ab"));
show("%g 0.0001", sprintf("%g", 0.0001));
show("%g 1e21", sprintf("%g", 1e21));
show("%.2e 12345.678", sprintf("%.2e", 12345.678));
show("%G 1e-10", sprintf("%G", 1e-10));

// string class: the text form of any value
show("%s 1/3", sprintf("%s", 1/3));
show("%s true", sprintf("%s", true));
show("%s null", sprintf("%s", null));
show("%s undefined", sprintf("%s", undefined));
show("%s '%d'", sprintf("%s", "%d"));
show("%.2s abc", sprintf("%.2s", "abc"));
show("%5s ab", sprintf("%5s", "ab"));
show("%s a\\0b", sprintf("%s", "a\0b"));
print("%s object: ", /^<IDispatch:[0-9A-Fa-f]+>$/.test(sprintf("%s", {})));

// not conversions
show("100%", sprintf("100%"));
show("%", sprintf("%"));
show("abc%5", sprintf("abc%5"));
show("%%", sprintf("%%"));
show("%5%", sprintf("%5%"));
show("%q 1", sprintf("%q", 1));
show("%*d 5", sprintf("%*d", 5));
show("%I64d 5", sprintf("%I64d", 5));
show("%d%q%d 1 2", sprintf("%d%q%d", 1, 2));

// missing and extra values
show("%d %d 1", sprintf("%d %d", 1));
show("%d 1 2", sprintf("%d", 1, 2));
show("%s%d%s a", sprintf("%s%d%s", "a"));
show("no arguments", sprintf());
print("no arguments type: ", typeof sprintf());
show("format 42", sprintf(42));
show("format 1/3", sprintf(1/3));
show("format null", sprintf(null));

// binary
show("%b 5", sprintf("%b", 5));
show("%b 0", sprintf("%b", 0));
show("%b -1", sprintf("%b", -1));
show("%b 2^32+5", sprintf("%b", 4294967301));
show("%b 6.9", sprintf("%b", 6.9));
show("%8b 5", sprintf("%8b", 5));
show("%08b 5", sprintf("%08b", 5));
show("%-8b 5", sprintf("%-8b", 5));
show("%-08b 5", sprintf("%-08b", 5));
show("% 08b 5", sprintf("% 08b", 5));
show("%0 8b 5", sprintf("%0 8b", 5));
show("%10b 5", sprintf("%10b", 5));
show("%2b 5", sprintf("%2b", 5));
show("%.8b 5", sprintf("%.8b", 5));
show("%5.8b 5", sprintf("%5.8b", 5));
show("%+#b 5", sprintf("%+#b", 5));
show("%b%b 1 2", sprintf("%b%b", 1, 2));

// one rendering is cut at 8191 bytes; the rest of the output is kept
var s = sprintf("%9000s", "x");
print("%9000s x: ", s.length, " ", /^ +$/.test(s));
s = sprintf("%-9000s|", "x");
print("%-9000s| x: ", s.length, " ", s.charAt(0), " ", s.charAt(8190) == " ", " ", s.charAt(8191));
var big = new Array(9001).join("y");
s = sprintf("<%s>", big);
print("<%s> 9000 chars: ", s.length, " ", s.charAt(8191), " ", s.charAt(8192));
s = sprintf("%8190s%s", "a", "bc");
print("%8190s%s: ", s.length, " ", s.substr(8188));
