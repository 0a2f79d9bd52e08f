// Under code page 1252 there are no lead bytes: every byte is one character, so
// "й" (E9, a Shift_JIS lead byte) and the "a" after it are read apart.
function show(a) {
    if (a === undefined) return "undefined";
    var s = [];
    for (var i = 0; i < a.length; i++) s.push(typeof a[i] == "string" ? '"' + a[i] + '"' : a[i]);
    return "[" + s.join(", ") + "]";
}
print(show(sscanf("йa", "%c%c")));
print(show(sscanf("ь=1", "%[^=]=%d", true)));
print(show(sscanf("ай ф", "%[а-й]%s", true)));
print(show(sscanf("й\\x", "%[^\\]\\%s", true)));
