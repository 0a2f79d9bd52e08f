// Lines of bytes: text mode turns CR LF into LF, binary mode keeps both; gets keeps
// the line feed, gives "" at the end and sets eof; lines longer than any buffer,
// NUL bytes inside a line, a last line without a line feed, a lone CR.
exec("file/common.inc");
function make(path, bytes) {
    var f = new File(path, "wb");
    f.write(bytes);
    f.close();
}

function main(args) {
    var path = args[0] + "/lines.txt";
    make(path, [0x61, 13, 10, 0x62]);
    var f = new File(path, "r", "sjis");
    print("text: [", codes(f.gets()), "] eof ", f.eof);
    print("text: [", codes(f.gets()), "] eof ", f.eof);
    print("text: [", codes(f.gets()), "] eof ", f.eof);
    print("again: [", f.gets(), "] eof ", f.eof);
    f.rewind();
    print("rewound: eof ", f.eof, " [", codes(f.gets()), "]");
    f.close();

    f = new File(path, "rb");
    print("binary: [", codes(f.gets()), "] [", codes(f.gets()), "] [", f.gets(), "] eof ", f.eof);
    f.close();

    // a lone CR is no line end for bytes; NUL bytes stay inside their line
    make(path, [0x61, 13, 0x62, 10, 0x63, 0, 0x64, 10, 0, 10]);
    f = new File(path, "rb");
    print("lone CR: [", codes(f.gets()), "]");
    print("NUL: [", codes(f.gets()), "] [", codes(f.gets()), "] [", f.gets(), "]");
    f.close();

    // long lines cross the stream's buffer more than once
    var w = new File(path, "w");
    var long = "";
    for (var i = 0; i < 3000; i++) long += String.fromCharCode(0x41 + i % 26);
    w.puts(long + "\n");
    w.puts(long + long + long);
    w.close();
    f = new File(path);
    var a = f.gets(), b = f.gets();
    print("long: ", a.length, " ", a == long + "\n", " ", b.length, " ", b == long + long + long, " ", f.gets() == "", " ", f.eof);
    f.close();
    print("file size with CR added: ", new File(path, "rb").read(100000).length);

    // text mode ends the bytes at 0x1A, as the run-time library reads them
    make(path, [0x61, 10, 0x62, 0x1A, 0x63, 10]);
    f = new File(path, "r");
    print("0x1A text: [", codes(f.gets()), "] [", codes(f.gets()), "] [", f.gets(), "] eof ", f.eof);
    f.close();
    f = new File(path, "rb");
    f.gets();
    print("0x1A binary: [", codes(f.gets()), "]");
    f.close();

    // puts adds nothing and answers bytes; print and printf add what they say
    f = new File(path, "w");
    print("puts: ", f.puts("x"), " ", f.puts(""), " ", f.puts("ab\ncd"));
    print("print: ", typeof f.print("p", 1, true, null), " printf: ", typeof f.printf("%03d|%s\n", 7, "q"));
    f.print();
    f.close();
    print("written: ", hex(new File(path, "rb").read(100)));
    return 0;
}
