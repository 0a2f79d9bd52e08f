// Every encoding written by File and read back the same under code page 932, in text
// and binary mode, with the bytes on disk matching encode() (plus the mark and CR
// units for UTF-16, CR bytes for the others in text mode). This file is Shift_JIS.
exec("file/common.inc");
var texts = ["日本語のテキストと ASCII ~!@#", "半角ｶﾀｶﾅ ｱｲｳｴｵ ﾟ", "表示・ソ・能・尚・稚・①", "", "全角　空白"];
var dir;

function main(args) {
    dir = args[0] + "/";
    checkEncodings(function () { return texts; }, "\u3042");
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
