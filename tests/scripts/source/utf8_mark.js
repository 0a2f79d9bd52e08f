// Saved with a byte-order mark: the file is read in the encoding the mark names,
// whatever the ANSI code page.
var s = "日本語ｶﾅ";
var codes = [];
for (var i = 0; i < s.length; i++) codes.push(s.charCodeAt(i).toString(16));
print(codes.join(" "));
print(s.length == 5 ? s : "wrong");
// A "utf8" File drops the mark at the start of the stream; gets then gives the
// first line as written.
var f = new File("source/utf8_mark.js", "r", "utf8");
print(f.gets() == "// Saved with a byte-order mark: the file is read in the encoding the mark names,\n");
f.close();
