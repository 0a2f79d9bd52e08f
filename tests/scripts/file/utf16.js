// UTF-16 files: the byte-order mark only at the start of the file, CR LF units in
// text mode and LF in binary mode when writing; when reading, marks are dropped
// anywhere, CR ends a text-mode line and swallows the LF after it, LF ends a
// binary-mode line, and bytes such as 0x1A or 0x0D 0x0A inside units stay data.
exec("file/common.inc");
var dir;
function bytes(name) {
    return hex(fileBytes(name));
}
function make(name, data) {
    var f = new File(dir + name, "wb");
    f.write(data);
    f.close();
}
function lines(name, mode) {
    var f = new File(dir + name, mode, "utf16");
    var r = [];
    for (var i = 0; i < 6; i++) r.push("[" + codes(f.gets()) + "]");
    r.push("eof " + f.eof);
    f.close();
    return r.join(" ");
}

function main(args) {
    dir = args[0] + "/";
    var f = new File(dir + "t.txt", "w", "utf16");
    print("puts: ", f.puts("ab"), " ", f.puts("c\n"), " ", f.puts("\u00e9\n\n"), " ", f.puts(""));
    f.print("p", 1);
    f.printf("%d|%s\n", 5, "x");
    f.close();
    print("text mode: ", bytes("t.txt"));
    f = new File(dir + "b.txt", "wb", "utf16");
    print("binary puts: ", f.puts("x\ny"));
    f.close();
    print("binary mode: ", bytes("b.txt"));

    // the mark goes wherever the position is 0, and only there
    f = new File(dir + "r.txt", "w+", "utf16");
    f.puts("ab");
    f.rewind();
    f.puts("cd");
    f.close();
    print("rewound: ", bytes("r.txt"));
    f = new File(dir + "r.txt", "a", "utf16");
    f.puts("e");
    f.close();
    print("appended: ", bytes("r.txt"));
    f = new File(dir + "new.txt", "a", "utf16");
    f.puts("e");
    f.close();
    print("appended to nothing: ", bytes("new.txt"));

    make("crlf.txt", [0xFF, 0xFE, 0x61, 0, 13, 0, 10, 0, 0x62, 0]);
    print("CR LF, r:  ", lines("crlf.txt", "r"));
    print("CR LF, rb: ", lines("crlf.txt", "rb"));
    make("lf.txt", [0x61, 0, 10, 0, 0x62, 0, 10, 0]);
    print("LF, r:  ", lines("lf.txt", "r"));
    print("LF, rb: ", lines("lf.txt", "rb"));
    make("cr.txt", [0x61, 0, 13, 0, 0x62, 0, 13, 0, 13, 0, 10, 0, 0x63, 0]);
    print("lone CR, r: ", lines("cr.txt", "r"));
    make("marks.txt", [0x61, 0, 0xFF, 0xFE, 0x62, 0, 0xFE, 0xFF, 0x63, 0, 0x64]);
    print("marks inside, odd byte: ", lines("marks.txt", "rb"));
    // U+201A is 1A 20; U+0D15 then LF is 15 0D 0A 00, which byte-level text mode
    // would have cut or merged
    f = new File(dir + "sub.txt", "w", "utf16");
    f.puts("x\u201ay\n");
    f.close();
    print("0x1A byte: ", bytes("sub.txt"), " => ", lines("sub.txt", "r"));
    make("pair.txt", [0x15, 0x0D, 0x0A, 0, 0x41, 0]);
    print("0x0D 0x0A bytes: ", lines("pair.txt", "r"));
    make("empty.txt", []);
    print("empty: ", lines("empty.txt", "r"));
    return 0;
}
