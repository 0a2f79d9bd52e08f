// sscanf through the engine: arrays of numbers and strings, no result (undefined)
// where nothing is returned or a strict scan is incomplete, and the argument errors.
function show(a) {
    if (a === undefined) return "undefined";
    var s = [];
    for (var i = 0; i < a.length; i++)
        s.push(typeof a[i] == "string" ? '"' + a[i] + '"' : typeof a[i] + " " + a[i]);
    return "[" + s.join(", ") + "] length " + a.length;
}
function scan(input, format, strict) {
    var r = arguments.length > 2 ? sscanf(input, format, strict) : sscanf(input, format);
    print(input, " | ", format, arguments.length > 2 ? " | " + strict : "", " => ", show(r));
}

scan("12 34", "%d %d");
scan("12,34", "%d,%d");
scan("12,3", "%d,%d");
scan("12 abc", "%d %d");
scan("12 abc", "%d %d", true);
scan("12 34 xyz", "%d %d", true);
scan("12 34 xyz", "%d %d");
scan("12 34  ", "%d %d", true);
scan("abc", "%d");
scan("2008/12/31", "%d/%d/%d");
scan("key=value", "%[^=]=%s");
scan("x=5", "%*[^=]=%d");
scan("  a", "%c");
scan("12345", "%2d%3d");
scan("-0x1f 017 0b101 42", "%i %i %i %i");
scan("ff -7 101 1.5e2", "%x %o %b %f");
scan("5%", "%d%%");
scan("5", "");
scan("", "%d");
scan("a-z", "%[a-c]-%[x-z]");
scan("abc", "%?d%s");
scan("12", "%d %?d", true);
scan("4294967297", "%x");
scan("99999999999", "%d");

// strict: numeric types only; true when neither 0 nor NaN
scan("1 x", "%d", 1);
scan("1 x", "%d", 0.5);
scan("1 x", "%d", 0);
scan("1 x", "%d", false);
scan("1 x", "%d", NaN);

// arguments are converted to text
scan(12.5, "%d.%d");
scan(true, "%s");

function fails(label, f) {
    try { f(); print(label, ": no error"); }
    catch (e) { print(label, ": ", (e.number >>> 0).toString(16)); }
}
fails("no args", function () { sscanf(); });
fails("one arg", function () { sscanf("1"); });
fails("four args", function () { sscanf("1", "%d", true, 1); });
fails("strict string", function () { sscanf("1", "%d", "1"); });
fails("strict null", function () { sscanf("1", "%d", null); });
fails("strict undefined", function () { sscanf("1", "%d", undefined); });
fails("strict object", function () { sscanf("1", "%d", {}); });
