// Every encoding written by File and read back the same, in text and binary mode,
// with the bytes on disk matching encode() (plus the mark and CR units for UTF-16,
// CR bytes for the others in text mode). Code page 1252 here: EUC-JP and ISO-2022-JP
// assume Shift_JIS narrow text, so they carry only the ASCII lines.
exec("file/common.inc");
var all = ["plain ASCII ~!@#$%^&*()", "caf\u00e9 na\u00efve \u00fc\u00df \u00a9 \u20ac", "", "tab\there"];
var texts;
var dir;
// What the file should hold: encode() of each line, line ends as the mode writes them.
function expected(encoding, text) {
    var all = [];
    var utf16 = encoding == "utf16";
    if (utf16) all = [0xFF, 0xFE];
    for (var i = 0; i < texts.length; i++) {
        var e = encode(texts[i], encoding);
        for (var j = 0; j < e.length; j++) all.push(e[j]);
        if (text) all = all.concat(utf16 ? [13, 0] : [13]);
        all = all.concat(utf16 ? [10, 0] : [10]);
    }
    return hex(all);
}

function main(args) {
    dir = args[0] + "/";
    var encodings = ["ascii", "sjis", "euc", "jis", "utf16", "utf8"];
    for (var i = 0; i < encodings.length; i++) {
        var e = encodings[i];
        texts = e == "euc" || e == "jis" ? [all[0], all[2], all[3]] : all;
        var modes = ["", "b"];
        for (var m = 0; m < modes.length; m++) {
            var name = e + modes[m] + ".txt";
            var f = new File(dir + name, "w" + modes[m], e);
            for (var t = 0; t < texts.length; t++) f.puts(texts[t] + "\n");
            f.close();
            f = new File(dir + name, "r" + modes[m], e);
            var same = 0;
            for (var t = 0; t < texts.length; t++) {
                var line = f.gets();
                if (line == texts[t] + "\n") same++;
                else print(name, " line ", t, ": [", line, "]");
            }
            var end = f.gets();
            print(name, ": ", same, " of ", texts.length, " lines, end [", end, "] eof ", f.eof,
                  ", bytes as encode() gives them: ", hex(fileBytes(name)) == expected(e, modes[m] == ""));
            f.close();
        }
    }
    // the bytes of one non-ASCII character in each encoding
    for (var i = 0; i < encodings.length; i++) {
        var f = new File(dir + "one.txt", "wb", encodings[i]);
        var n = f.puts("\u00e9");
        f.close();
        print(encodings[i], ": ", n, " => ", hex(fileBytes("one.txt")));
    }
    return 0;
}
