// Every encoding written by File and read back the same under code page 932, in text
// and binary mode, with the bytes on disk matching encode() (plus the mark and CR
// units for UTF-16, CR bytes for the others in text mode). This file is Shift_JIS.
exec("file/common.inc");
var texts = ["日本語のテキストと ASCII ~!@#", "半角ｶﾀｶﾅ ｱｲｳｴｵ ﾟ", "表示・ソ・能・尚・稚・①", "", "全角　空白"];
var dir;
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
    // the bytes of あ in each encoding; puts counts bytes, or units for UTF-16
    for (var i = 0; i < encodings.length; i++) {
        var f = new File(dir + "one.txt", "wb", encodings[i]);
        var n = f.puts("あ");
        f.close();
        print(encodings[i], ": ", n, " => ", hex(fileBytes("one.txt")));
    }
    // a whole text in one puts, lines read one by one
    var f = new File(dir + "jis.txt", "w", "jis");
    f.print(texts.join("\n"));
    f.close();
    f = new File(dir + "jis.txt", "r", "jis");
    var back = [];
    for (var line = f.gets(); line != ""; line = f.gets()) back.push(line.replace("\n", ""));
    print("one print, jis: ", back.join("\n") == texts.join("\n"));
    return 0;
}
