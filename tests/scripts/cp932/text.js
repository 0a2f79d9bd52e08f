// 日本語のコメントと識別子: the file is read as Shift_JIS text (code page 932).
// Host texts are Shift_JIS bytes, so sprintf widths and precisions count bytes
// (two per full-width character, one per half-width katakana), and %c writes
// single bytes: a lead byte and a trail byte together make one character.
// A lead byte left without its trail byte becomes whatever the platform maps it
// to (U+30FB under Wine).
var 名前 = "語";
function 表示(値) { print("<", 値, ">"); }
表示(名前);
print("日本".length, " ", 名前.charCodeAt(0).toString(16), " ", "表".charCodeAt(0).toString(16));
print(sprintf("[%5s][%-5s][%3s][%3s]", "語", "日本", "日本語", "ｱｲ"));
print(sprintf("%c%c", 0x82, 0xA0), " ", sprintf("%c%c", 0x82, 0xA0) == "あ");
var lone = sprintf("%c", 0x82);
print(lone.length, " ", lone.charCodeAt(0).toString(16));
var cut = sprintf("%.3s", "日本");
print(cut.length, " ", cut.charAt(0) == "日", " ", cut.charCodeAt(1).toString(16));
printf("%d文字: %s\n", 3, "表示");
print(sprintf("%s", "ソ") == "ソ", " ", sprintf("ソ%s", "表") == "ソ表");
