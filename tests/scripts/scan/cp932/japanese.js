// Under code page 932 sscanf reads Shift_JIS: a lead and a trail byte are one
// character, in the format as in the input, so a trail byte that equals an ASCII
// set member or literal ("表" ends in "\", "ア" in "A") never matches it.
function show(a) {
    if (a === undefined) return "undefined";
    var s = [];
    for (var i = 0; i < a.length; i++)
        s.push(typeof a[i] == "string" ? '"' + a[i] + '"(' + a[i].length + ")" : a[i]);
    return "[" + s.join(", ") + "]";
}
function scan(input, format, strict) { print(input, " | ", format, " => ", show(sscanf(input, format, !!strict))); }

scan("東京都,港区", "%[^,],%s", true);
scan("日本語　テキスト", "%[^　]　%s", true);
scan("2008年12月31日", "%d年%d月%d日", true);
scan("カタカナ漢字", "%[ァ-ヶ]%s", true);
scan("漢字カナ", "%[ァ-ヶ]%s");
scan("表示\\x", "%[^\\]\\%s", true);
scan("アA", "%[A-Z]");
scan("アイA", "%[^A]A", true);
scan("アイA", "%*[^A]%c", true);
scan("日本語", "%3s%s", true);
scan("日本語", "%c%c");
scan("ｱｲｳ 1", "%2s%s %d", true);
scan("値＝５", "%[^＝]＝%s", true);
